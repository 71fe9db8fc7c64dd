#include <QApplication>
#include <QWidget>

// The floor of start-up: the least a Qt Widgets program does to show one window the size
// of the main window. The start-up benchmark times this beside the real program.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(431, 460);
    window.show();
    return application.exec();
}
