#include "app/application.h"
#include "app/message_boxes.h"
#include "app/program.h"

// The program takes no arguments; Qt's own options are left to Qt.
int main(int argc, char *argv[])
{
    vorlant::Application application(argc, argv);
    vorlant::MessageBoxes messages;
    vorlant::Program program(messages, vorlant::LoadedLateParts());
    QObject::connect(&program.Main(), &vorlant::MainWindow::Closed, &application,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    program.Show();
    return application.exec();
}
