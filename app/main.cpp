#include "app/application.h"
#include "app/message_boxes.h"
#include "app/program.h"
#include "app/termination_signals.h"

// The program takes no arguments; Qt's own options are left to Qt.
int main(int argc, char *argv[])
{
    vorlant::Application application(argc, argv);
    vorlant::MessageBoxes messages;
    // Ending the session or pressing Ctrl+C in a terminal closes the window as its close box
    // does. Caught from the start; acted on once the message loop runs.
    vorlant::Program *running = nullptr;
    vorlant::TerminationSignals termination([&running] {
        if (running)
            running->EndBySignal();
    });
    vorlant::Program program(messages, vorlant::LoadedLateParts());
    running = &program;
    QObject::connect(&program.Main(), &vorlant::MainWindow::Closed, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    QObject::connect(&program.Main(), &vorlant::MainWindow::FirstFrameShown, &application,
                     &vorlant::Application::SetProgramIcon);
    program.Show();
    return application.exec();
}
