#include "app/application.h"
#include "app/font_warm_up.h"
#include "app/message_boxes.h"
#include "app/program.h"

// The program takes no arguments; Qt's own options are left to Qt.
int main(int argc, char *argv[])
{
    vorlant::FontWarmUp fonts;
    vorlant::Application application(argc, argv);
    fonts.wait();
    vorlant::MessageBoxes messages;
    vorlant::Program program(messages, vorlant::LoadedLateParts());
    QObject::connect(&program.Main(), &vorlant::MainWindow::Closed, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    QObject::connect(&program.Main(), &vorlant::MainWindow::FirstFrameShown, &application,
                     &vorlant::Application::SetProgramIcon);
    program.Show();
    return application.exec();
}
