// The program as its entry runs it, with one window opened through the controls a user would
// use, for tests that end it while that window waits. The window is named by the one argument:
//   name      the name dialog, from the button "Start"
//   about     the About window
//   message   the box that refuses an empty name, over the name dialog
//   print     the print dialog of the chart window
//   file      the save dialog of the chart window's CSV export
//   progress  the progress dialog of reading a person's tests, from the archive window
// Once the window is up, "shown" is written to the standard output.
#include "app/main_window.h"
#include "app/program.h"
#include "app/program_entry.h"
#include "results/chart_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

using vorlant::Program;

template <typename Child> Child *Find(const QObject &parent, const char *name)
{
    return parent.findChild<Child *>(QString::fromLatin1(name));
}

// Whether a window the kind names is up and waiting.
bool IsShown(const QString &kind)
{
    const QWidget *modal = QApplication::activeModalWidget();
    if (kind == QLatin1String("name"))
        return modal && modal->objectName() == QLatin1String("TForm4");
    if (kind == QLatin1String("about"))
        return modal && modal->objectName() == QLatin1String("TForm7");
    if (kind == QLatin1String("message"))
        return modal && modal->inherits("QMessageBox");
    if (kind == QLatin1String("print"))
        return modal && modal->inherits("QPrintDialog");
    if (kind == QLatin1String("file"))
        return modal && modal->inherits("QFileDialog");
    for (const QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("progressReading") && window->isVisible())
            return true;
    return false;
}

// Runs open, which may wait in a window of its own, from the message loop.
void Later(const std::function<void()> &open)
{
    QTimer::singleShot(0, qApp, open);
}

void Open(Program &program, const QString &kind)
{
    program.CompleteStartUp();
    vorlant::MainWindow &main = program.Main();
    if (kind == QLatin1String("name") || kind == QLatin1String("message")) {
        if (kind == QLatin1String("message"))
            Later([] {
                QWidget *names = QApplication::activeModalWidget();
                Find<QLineEdit>(*names, "_jmeno")->clear();
                Find<QPushButton>(*names, "Button1")->click();
            });
        Find<QPushButton>(main, "_start")->click();
    } else if (kind == QLatin1String("about")) {
        Find<QAction>(main, "Oprogramu1")->trigger();
    } else if (kind == QLatin1String("print") || kind == QLatin1String("file")) {
        Find<QAction>(main, "Konec1")->trigger(); // "Výsledky" shows the chart
        Find<QAction>(program.Chart(), kind == QLatin1String("print") ? "isk1" : "exportCsv")
            ->trigger();
    } else if (kind == QLatin1String("progress")) {
        Find<QAction>(main, "Archiv1")->trigger();
        auto *list = Find<QTableWidget>(main, "SG1");
        list->setCurrentCell(0, 0);
        Find<QAction>(*list->window(), "progressOfPerson")->trigger();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const QString kind = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    return vorlant::RunProgram(argc, argv, [kind](Program &program) {
        auto *watch = new QTimer(qApp);
        QObject::connect(watch, &QTimer::timeout, [kind, watch] {
            if (!IsShown(kind))
                return;
            watch->stop();
            std::puts("shown");
            std::fflush(stdout);
        });
        watch->start(10);
        Later([&program, kind] { Open(program, kind); });
    });
}
