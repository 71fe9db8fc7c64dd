// Draws the README's pictures from the program's own windows: the main window with the picture
// faces during a test, the chart of that test, and the archive listing it. Run on a real
// window system (`make screenshots` starts a virtual one):
//   vorlant_screenshots <folder>   writes main-window.png, chart.png and archive.png
#include "app/application.h"
#include "engine/sequence.h"
#include "results/archive_window.h"
#include "results/chart_window.h"
#include "tests/app/program_rig.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include <cstdio>

namespace {

using vorlant::CellPosition;
using vorlant::testing::ProgramRig;

bool Save(QWidget &window, const QString &file)
{
    window.raise();
    window.activateWindow();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    QTest::qWait(300); // let the window system draw it
    const bool saved = window.grab().save(file);
    std::printf("%s %s\n", saved ? "wrote" : "cannot write", qPrintable(file));
    return saved;
}

// Plays one round: clicks back what was shown, the last cell wrong when fail is set.
void PlayRound(ProgramRig &rig, bool fail)
{
    std::vector<CellPosition> shown = rig.showRound();
    if (fail && !shown.empty())
        shown.back() = {(shown.back().row + 1) % 4, shown.back().column};
    for (const CellPosition cell : shown)
        rig.click(cell);
    for (const char *timer : {"_2", "_3", "_3", "_3"})
        if (rig.timer(timer)->isActive())
            rig.fire(timer);
}

} // namespace

int main(int argc, char **argv)
{
    vorlant::Application app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: vorlant_screenshots <folder>\n", stderr);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral(".")))
        return 1;

    ProgramRig rig;
    vorlant::MainWindow &main = rig.main();
    main.show();
    rig.action("Obrzky1")->trigger();
    rig.startWithName([&] { rig.button("_start")->click(); }, QStringLiteral("Eva"));
    for (const bool fail : {false, false, true, false, false, false, true, false})
        PlayRound(rig, fail);
    // The next round, halfway through showing its sequence.
    rig.fire("_1");
    for (int step = 0; step < 6 || !vorlant::testing::LitCell(main); ++step)
        rig.fire("T1");
    bool saved = Save(main, out.filePath(QStringLiteral("main-window.png")));

    // Konec drops the round under way, saves the test and shows its chart.
    rig.button("_Konec")->click();
    saved = Save(rig.program().Chart(), out.filePath(QStringLiteral("chart.png"))) && saved;

    // A second person's test, so that the archive lists more than one.
    rig.startWithName([&] { rig.button("_start")->click(); }, QStringLiteral("Adam"));
    for (const bool fail : {false, true, false})
        PlayRound(rig, fail);
    rig.button("_Konec")->click();
    rig.program().Chart().hide();

    rig.action("Archiv1")->trigger();
    auto *archive = QApplication::activeWindow();
    for (QWidget *window : QApplication::topLevelWidgets())
        if (qobject_cast<vorlant::ArchiveWindow *>(window))
            archive = window;
    saved = archive && Save(*archive, out.filePath(QStringLiteral("archive.png"))) && saved;
    return saved ? 0 : 1;
}
