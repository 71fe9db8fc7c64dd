#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

// The floor for a window with the main window's kinds of content and nothing else: a menu
// bar with four menus, three buttons and a large number, written as Qt's examples write
// them. The start-up benchmark times it beside the real program, to show how much of the
// start-up any such window pays.
int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.resize(431, 460);
    for (const char *menu : {"Akce", "Nastavení", "Výchozí počet ", "Rychlost"})
        window.menuBar()->addMenu(QString::fromUtf8(menu))->addAction(QStringLiteral("Start"));
    auto *content = new QWidget(&window);
    window.setCentralWidget(content);
    int left = 8;
    for (const char *caption : {"Start", "Pause", "Konec"}) {
        auto *button = new QPushButton(QString::fromLatin1(caption), content);
        button->setGeometry(left, 8, 75, 25);
        left += 80;
    }
    auto *number = new QLabel(QStringLiteral("4"), content);
    QFont large = number->font();
    large.setPixelSize(53);
    number->setFont(large);
    number->move(8, 40);
    number->adjustSize();
    window.show();
    return application.exec();
}
