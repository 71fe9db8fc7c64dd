#include "app/counters_panel.h"
#include "board/board.h"
#include "board/cell_widget.h"
#include "board/picture_cell.h"
#include "engine/attempt_log.h"
#include "program_rig.h"
#include "widget_lookup.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vorlant {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ProgramRig;

QStringList FilesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// Every record of the log is zero.
bool LogIsClear(const AttemptLog &log)
{
    return std::all_of(log.records.begin(), log.records.end(),
                       [](const AttemptRecord &record) { return record == AttemptRecord{}; });
}

TEST(MainWindowStartUp, LeavesTheWindowReadyForAFirstTest)
{
    ProgramRig rig;
    EXPECT_EQ(rig.label("_poc")->text(), "4");
    EXPECT_EQ(rig.label("_poc2")->text(), "0");
    EXPECT_TRUE(rig.action("N41")->isChecked());
    EXPECT_TRUE(rig.action("Normln1")->isChecked());
    EXPECT_TRUE(rig.button("_start")->isEnabled());
    EXPECT_FALSE(rig.button("_Pause")->isEnabled());
    EXPECT_FALSE(rig.button("_Konec")->isEnabled());
    EXPECT_EQ(rig.button("_Pause")->text(), "Pause");
    EXPECT_THAT(rig.runningTimers(), IsEmpty());
    EXPECT_TRUE(LogIsClear(rig.main().Controller().Log()));

    Board &board = *rig.main().GameBoard();
    EXPECT_FALSE(board.textPanel()->isHidden());
    EXPECT_TRUE(board.picturePanel()->isHidden());
    for (int index = 0; index < kCellCount; ++index) {
        EXPECT_EQ(board.textCell(index)->text(), "") << index;
        EXPECT_EQ(board.textCell(index)->background(), QColor(0xC0, 0xC0, 0xC0)) << index;
        EXPECT_TRUE(board.pictureCell(index)->hasPicture()) << index;
    }

    QStringList pictures;
    for (int n = 1; n <= 42; ++n)
        pictures << QStringLiteral("DATA_%1.jpg").arg(n);
    pictures.sort();
    EXPECT_EQ(FilesIn(rig.currentFolder() + "/obr_deti"), pictures);
    EXPECT_EQ(rig.main().Pictures().rowCount(), 42);
    EXPECT_TRUE(QFileInfo(rig.dataFolder()).isDir()) << "the data directory is made";
    EXPECT_EQ(rig.main().ProgramFolder(), rig.programFolder().toStdString())
        << "no closing slash once the settings are read";
    EXPECT_THAT(rig.sink.messages, IsEmpty());
    EXPECT_THAT(rig.sink.errors, IsEmpty());
}

TEST(MainWindowStartUp, LooksAsDesigned)
{
    ProgramRig rig;
    MainWindow &main = rig.main();
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));

    EXPECT_EQ(main.objectName(), "TForm1");
    EXPECT_EQ(main.windowTitle(), "Test paměti - pro nekomerční použití");
    EXPECT_EQ(main.minimumSize(), main.maximumSize()) << "the user cannot resize it";
    const Qt::WindowFlags flags = main.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(IsCentred(main));

    const struct
    {
        const char *name;
        const char *text;
        QRect geometry;
    } buttons[] = {{"_start", "Start", {8, 8, 75, 25}},
                   {"_Pause", "Pause", {88, 8, 75, 25}},
                   {"_Konec", "Konec", {168, 8, 75, 25}}};
    for (const auto &b : buttons) {
        EXPECT_EQ(rig.button(b.name)->text(), b.text);
        EXPECT_EQ(rig.button(b.name)->geometry(), b.geometry) << b.name;
    }

    EXPECT_EQ(main.centralWidget()->size(), QSize(431, 460));
    QWidget *p2 = Child<QWidget>(main, "p2");
    EXPECT_EQ(p2->geometry().topLeft(), QPoint(385, 60));
    EXPECT_EQ(p2->width(), 31);
    const struct
    {
        const char *name;
        QPoint position;
        const char *tooltip;
    } counters[] = {{"_poc", {1, 1}, "Počet hádaných pozice"},
                    {"_poc2", {1, 86}, "Pořadí zobrazené pozice"}};
    for (const auto &c : counters) {
        QLabel *counter = rig.label(c.name);
        EXPECT_EQ(counter->pos(), c.position) << c.name;
        EXPECT_EQ(counter->toolTip(), QString::fromUtf8(c.tooltip));
        EXPECT_EQ(counter->font().family(), "Arial");
        EXPECT_EQ(counter->font().pixelSize(), 53);
        EXPECT_TRUE(counter->autoFillBackground());
        EXPECT_EQ(counter->size(), counter->sizeHint()) << "sizes itself to its text";
        EXPECT_TRUE(p2->rect().contains(counter->geometry())) << c.name;
    }
}

TEST(MainWindowStartUp, MenuBarOffersEveryCommandUnderItsCaption)
{
    ProgramRig rig;
    QStringList menus;
    for (QAction *menu : rig.main().menuBar()->actions()) {
        QStringList items;
        for (QAction *item : menu->menu()->actions())
            items << item->objectName() + u'=' + item->text();
        menus << menu->text() + u':' + items.join(u',');
    }
    EXPECT_THAT(menus,
                ElementsAre("Akce:Start1=Start,Konec1=Výsledky,Archiv1=Archiv,Konec2=Konec",
                            "Nastavení:Przdn1=Prázdné,sla1=Čísla,Abeceda1=Abeceda,Obrzky1=Obrázky",
                            "Výchozí počet :N21=2,N31=3,N41=4,N51=5,N61=6",
                            "Rychlost:Nejrychlej1=Nejrychlejší,Rychl1=Rychlý,Normln1=Normální,"
                            "Pomalej1=Pomalejší,Nejpomalej1=Nejpomalejší",
                            "Help:Popis2=Popis,Oprogramu1=O programu"));
    EXPECT_EQ(rig.action("Konec2")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    for (QAction *item : rig.main().findChildren<QAction *>())
        EXPECT_TRUE(item->isEnabled()) << item->objectName().toStdString();
}

TEST(MainWindowStartUp, TimersHaveTheirIntervalsAndT1IsPrecise)
{
    ProgramRig rig;
    const struct
    {
        const char *name;
        int interval;
    } timers[] = {{"T1", 500}, {"_1", 50}, {"_2", 50}, {"_3", 250}};
    for (const auto &t : timers)
        EXPECT_EQ(rig.timer(t.name)->interval(), t.interval) << t.name;
    EXPECT_EQ(rig.timer("T1")->timerType(), Qt::PreciseTimer);
}

TEST(MainWindowStartUp, FailingStepIsReportedAndTheRestStillRuns)
{
    // A regular file where the picture folder should be: no picture can be written.
    ProgramRig rig({.realClock = false, .before = [](const QString &current, const QString &) {
                        QFile file(current + "/obr_deti");
                        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                    }});
    EXPECT_THAT(rig.sink.messages, ElementsAre("Chyba adresáře obr_deti"));

    Board *board = rig.main().GameBoard();
    ASSERT_NE(board, nullptr);
    EXPECT_FALSE(board->textPanel()->isHidden());
    EXPECT_TRUE(board->picturePanel()->isHidden());
    for (int index = 0; index < kCellCount; ++index) {
        ASSERT_NE(board->textCell(index), nullptr);
        ASSERT_NE(board->pictureCell(index), nullptr);
        EXPECT_FALSE(board->pictureCell(index)->hasPicture());
    }
    for (const char *name : {"T1", "_1", "_2", "_3"})
        EXPECT_NE(rig.timer(name), nullptr);
    EXPECT_TRUE(QFileInfo(rig.dataFolder()).isDir()) << "the later steps ran";
    EXPECT_EQ(rig.label("_poc")->text(), "4");

    // And a test can be played on picture-less cells.
    rig.startWithName([&] { rig.button("_start")->click(); }, "Eva");
    const std::vector<CellPosition> shown = rig.showRound();
    ASSERT_EQ(shown.size(), 4u);
    rig.click(shown[0]);
    EXPECT_EQ(rig.main().Controller().Position(), 1);
}

TEST(MainWindowShutDown, CtrlXDuringATestSavesNothingWritesSettingsAndRemovesPictures)
{
    ProgramRig rig;
    MainWindow &main = rig.main();
    QSignalSpy closed(&main, &MainWindow::Closed);
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    rig.startWithName([&] { rig.button("_start")->click(); }, "Eva");
    const std::vector<CellPosition> shown = rig.showRound();
    rig.click(shown.at(0));
    main.activateWindow(); // back from the name dialog
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));

    QTest::keyClick(&main, Qt::Key_X, Qt::ControlModifier);

    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(main.Controller().Quitting());
    EXPECT_FALSE(rig.timer("T1")->isActive());
    EXPECT_THAT(FilesIn(rig.dataFolder()), IsEmpty()) << "no results file";
    EXPECT_FALSE(QFileInfo::exists(rig.currentFolder() + "/obr_deti"));
    QFile settings(rig.programFolder() + "/Vorlant.ini");
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QString content = QString::fromUtf8(settings.readAll());
    EXPECT_TRUE(content.contains("[Form5]")) << content.toStdString();
    EXPECT_TRUE(content.contains("DE=" + rig.dataFolder())) << content.toStdString();
    EXPECT_THAT(rig.sink.errors, IsEmpty());
}

TEST(MainWindowShutDown, SettingsThatCannotBeWrittenAreReportedAndTheWindowClosesAnyway)
{
    ProgramRig rig({.realClock = false, .before = [](const QString &, const QString &program) {
                        ASSERT_TRUE(QDir(program).mkdir("Vorlant.ini"));
                    }});
    MainWindow &main = rig.main();
    QSignalSpy closed(&main, &MainWindow::Closed);
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));

    EXPECT_TRUE(main.close());

    const std::string path = rig.programFolder().toStdString() + "/Vorlant.ini";
    EXPECT_THAT(rig.sink.errors, ElementsAre("Unable to write to " + path + "."));
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(QFileInfo::exists(rig.currentFolder() + "/obr_deti"));
}

TEST(MainWindowShutDown, ClosingTheWindowWritesTheArchiveFolderReadAtStartUp)
{
    ProgramRig rig({.realClock = false, .before = [](const QString &, const QString &program) {
                        QFile file(program + "/Vorlant.ini");
                        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                        file.write("[Form5]\nDE=" + program.toUtf8() + "/jinde\n");
                    }});
    EXPECT_EQ(rig.main().Store().DataDirectory(), rig.programFolder().toStdString() + "/jinde");
    EXPECT_TRUE(QFileInfo(rig.programFolder() + "/jinde").isDir());
    EXPECT_TRUE(rig.main().close());
    QFile settings(rig.programFolder() + "/Vorlant.ini");
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().contains("DE=" + rig.programFolder().toUtf8() + "/jinde"));
}

} // namespace
} // namespace vorlant
