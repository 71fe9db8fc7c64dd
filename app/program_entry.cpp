#include "app/program_entry.h"

#include "app/application.h"
#include "app/message_boxes.h"
#include "app/program.h"
#include "app/termination_signals.h"

namespace vorlant {

int RunProgram(int &argc, char **argv, const std::function<void(Program &)> &shown)
{
    Application application(argc, argv);
    MessageBoxes messages;
    // Ending the session or pressing Ctrl+C in a terminal closes the window as its close box
    // does. Caught from the start; acted on once the message loop runs.
    Program *running = nullptr;
    TerminationSignals termination([&running] {
        if (running)
            running->EndBySignal();
    });
    Program program(messages, LoadedLateParts());
    running = &program;
    // Every window has closed by then (Program): the message loop and every loop of a dialog
    // still on its way out return.
    QObject::connect(
        &program.Main(), &MainWindow::Closed, &application, [] { QCoreApplication::exit(0); },
        Qt::QueuedConnection);
    QObject::connect(&program.Main(), &MainWindow::FirstFrameShown, &application,
                     &Application::SetProgramIcon);
    program.Show();
    if (shown)
        shown(program);
    return application.exec();
}

} // namespace vorlant
