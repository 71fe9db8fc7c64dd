#include "app/about_window.h"
#include "app/counters_panel.h"
#include "app/help_window.h"
#include "app/name_dialog.h"
#include "board/board.h"
#include "board/cell_widget.h"
#include "program_rig.h"
#include "results/chart_attempts.h"
#include "results/chart_window.h"
#include "widget_lookup.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vorlant {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::ProgramRig;

// The object names of the checked items among the named ones.
QStringList Marked(const ProgramRig &rig, std::initializer_list<const char *> names)
{
    QStringList marked;
    for (const char *name : names)
        if (rig.action(name)->isChecked())
            marked << QString::fromLatin1(name);
    return marked;
}

constexpr std::initializer_list<const char *> kLengthItems{"N21", "N31", "N41", "N51", "N61"};
constexpr std::initializer_list<const char *> kSpeedItems{"Nejrychlej1", "Rychl1", "Normln1",
                                                          "Pomalej1", "Nejpomalej1"};

TEST(MainWindowMenu, RadioItemsTurnOverAndTheMarkedOneLosesItsMark)
{
    ProgramRig rig;
    const struct
    {
        std::initializer_list<const char *> group;
        const char *marked;
        const char *other;
    } groups[] = {{kLengthItems, "N41", "N61"}, {kSpeedItems, "Normln1", "Rychl1"}};
    for (const auto &g : groups) {
        rig.action(g.other)->trigger();
        EXPECT_THAT(Marked(rig, g.group), ElementsAre(g.other));
        rig.action(g.marked)->trigger();
        EXPECT_THAT(Marked(rig, g.group), ElementsAre(g.marked));
        rig.action(g.marked)->trigger();
        EXPECT_THAT(Marked(rig, g.group), IsEmpty()) << "choosing the marked item unmarks it";
        rig.action(g.other)->trigger();
        EXPECT_THAT(Marked(rig, g.group), ElementsAre(g.other));
    }
}

TEST(MainWindowMenu, StartingLengthWhileIdleGoesToTheCounterAndTheFirstRecord)
{
    ProgramRig rig;
    const struct
    {
        const char *item;
        int length;
    } cases[] = {{"N21", 2}, {"N31", 3}, {"N51", 5}, {"N61", 6}, {"N41", 4}, {"N41", 4}};
    for (const auto &c : cases) {
        rig.action(c.item)->trigger();
        EXPECT_EQ(rig.label("_poc")->text(), QString::number(c.length)) << c.item;
        EXPECT_EQ(rig.main().Controller().Log().records[0].length, c.length) << c.item;
    }
    EXPECT_THAT(Marked(rig, kLengthItems), IsEmpty()) << "\"4\" chosen twice";

    // The first attempt of the next test has the chosen length.
    rig.action("N21")->trigger();
    rig.startWithName([&] { rig.action("Start1")->trigger(); }, "Eva");
    EXPECT_EQ(rig.showRound().size(), 2u);
}

TEST(MainWindowMenu, StartingLengthDuringATestOnlyMovesTheMark)
{
    ProgramRig rig;
    rig.startWithName([&] { rig.action("Start1")->trigger(); }, "Eva");
    rig.showRound();
    for (const char *item : {"N61", "N21"}) {
        rig.action(item)->trigger();
        EXPECT_THAT(Marked(rig, kLengthItems), ElementsAre(item));
        EXPECT_EQ(rig.label("_poc")->text(), "4") << item;
        EXPECT_EQ(rig.main().Controller().Log().records[0].length, 4) << item;
    }
    // Paused is still a test under way.
    QTest::mouseClick(rig.button("_Pause"), Qt::LeftButton);
    rig.action("N31")->trigger();
    EXPECT_EQ(rig.main().Controller().Log().records[0].length, 4);
}

TEST(MainWindowMenu, EachSpeedSetsTheIntervalOfT1)
{
    ProgramRig rig;
    const struct
    {
        const char *item;
        int interval;
    } cases[] = {{"Nejrychlej1", 300}, {"Rychl1", 400},  {"Pomalej1", 600},
                 {"Nejpomalej1", 700}, {"Normln1", 500}, {"Normln1", 500}};
    for (const auto &c : cases) {
        rig.action(c.item)->trigger();
        EXPECT_EQ(rig.timer("T1")->interval(), c.interval) << c.item;
        EXPECT_FALSE(rig.timer("T1")->isActive()) << "choosing a speed starts nothing";
    }
}

TEST(MainWindowMenu, NewSpeedRestartsARunningT1AndTheSpeedInForceLeavesItsRhythm)
{
    ProgramRig rig;
    rig.startWithName([&] { rig.action("Start1")->trigger(); }, "Eva");
    rig.fire("_1");
    QTimer *t1 = rig.timer("T1");
    ASSERT_TRUE(t1->isActive());
    ASSERT_EQ(t1->interval(), 500);

    QThread::msleep(200); // no events: T1 cannot fire meanwhile
    rig.action("Normln1")->trigger();
    EXPECT_EQ(t1->interval(), 500);
    EXPECT_LE(t1->remainingTime(), 320) << "the speed in force must not restart T1";
    EXPECT_FALSE(rig.action("Normln1")->isChecked());

    rig.action("Nejpomalej1")->trigger();
    EXPECT_EQ(t1->interval(), 700);
    EXPECT_GT(t1->remainingTime(), 600) << "the next step comes one new interval later";
    EXPECT_TRUE(t1->isActive());
}

TEST(MainWindowMenu, FaceModesSwitchBoardsAndCaptionsAtAnyTime)
{
    ProgramRig rig;
    const Board &board = *rig.main().GameBoard();
    const struct
    {
        const char *item;
        bool pictures;
        const char *topLeft;
        const char *bottomRight;
        QSize client;
    } cases[] = {
        {"sla1", false, "0", "F", {431, 460}},     {"Obrzky1", true, "0", "F", {551, 580}},
        {"Abeceda1", false, "A", "P", {431, 460}}, {"Przdn1", false, "", "", {431, 460}},
        {"Obrzky1", true, "", "", {551, 580}},
    };
    rig.startWithName([&] { rig.action("Start1")->trigger(); }, "Eva");
    for (const auto &c : cases) {
        rig.action(c.item)->trigger();
        EXPECT_EQ(board.picturePanel()->isVisibleTo(&rig.main()), c.pictures) << c.item;
        EXPECT_EQ(board.textPanel()->isVisibleTo(&rig.main()), !c.pictures) << c.item;
        EXPECT_EQ(board.textCell(CellIndex({0, 0}))->text(), c.topLeft) << c.item;
        EXPECT_EQ(board.textCell(CellIndex({3, 3}))->text(), c.bottomRight) << c.item;
        EXPECT_EQ(rig.main().centralWidget()->size(), c.client) << c.item;
        EXPECT_THAT(rig.runningTimers(), ElementsAre("_1")) << "the test goes on";
    }
}

TEST(MainWindowMenu, StartOpensTheNameDialogWithPauseAndKonecEnabled)
{
    ProgramRig rig;
    bool checked = false;
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &rig.program().Names());
        EXPECT_FALSE(rig.button("_start")->isEnabled());
        EXPECT_TRUE(rig.button("_Pause")->isEnabled());
        EXPECT_TRUE(rig.button("_Konec")->isEnabled());
        checked = true;
    });
    rig.startWithName([&] { rig.action("Start1")->trigger(); }, "Jana Nováková");
    EXPECT_TRUE(checked);
    EXPECT_EQ(rig.main().PersonName(), "Jana Nováková");
    EXPECT_THAT(rig.runningTimers(), ElementsAre("_1"));
    EXPECT_EQ(rig.label("_poc2")->text(), "0");
    EXPECT_FALSE(rig.main().IsIdle());
}

TEST(MainWindowMenu, StartButtonResetsTheCellsAndTheMenuItemDoesNot)
{
    ProgramRig rig;
    rig.startWithName([&] { rig.action("Start1")->trigger(); }, "Eva");
    rig.fire("_1");
    rig.fire("T1");
    rig.fire("T1");
    const std::optional<CellPosition> lit = testing::LitCell(rig.main());
    ASSERT_TRUE(lit.has_value());

    QTest::mouseClick(rig.button("_Pause"), Qt::LeftButton);
    QTest::mouseClick(rig.button("_Pause"), Qt::LeftButton);
    rig.fire("_1");
    rig.fire("T1");
    rig.fire("T1");
    ASSERT_TRUE(testing::LitCell(rig.main()).has_value());
    rig.startWithName([&] { rig.action("Start1")->trigger(); }, "Eva");
    EXPECT_TRUE(testing::LitCell(rig.main()).has_value()) << "menu Start";

    QTest::mouseClick(rig.button("_Konec"), Qt::LeftButton);
    rig.main().GameBoard()->light({2, 1});
    rig.startWithName([&] { QTest::mouseClick(rig.button("_start"), Qt::LeftButton); }, "Eva");
    EXPECT_FALSE(testing::LitCell(rig.main()).has_value()) << "button Start";
}

TEST(MainWindowMenu, TwoDigitCounterStaysInsideTheWindow)
{
    ProgramRig rig;
    CountersPanel &counters = rig.main().Counters();
    counters.SetLengthText("12");
    EXPECT_EQ(rig.label("_poc")->size(), rig.label("_poc")->sizeHint());
    EXPECT_GT(counters.width(), 31);
    EXPECT_LE(counters.geometry().right(), rig.main().centralWidget()->width() - 1);
    EXPECT_EQ(rig.main().size(), rig.main().minimumSize());
    EXPECT_EQ(rig.main().size(), rig.main().maximumSize());
}

TEST(MainWindowMenu, ArchiveWindowIsFilledAtStartUpAndShownByArchiv)
{
    ProgramRig rig({.realClock = false, .before = [](const QString &, const QString &program) {
                        QDir(program).mkdir("data");
                        QFile file(program + "/data/Adam Petr 2024_03_04 10_00.mem");
                        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
                        file.write(QByteArray(16016, '\0'));
                    }});
    auto *archive = rig.main().findChild<QMainWindow *>("TForm5");
    ASSERT_NE(archive, nullptr);
    EXPECT_FALSE(archive->isVisible());
    auto *list = Child<QTableWidget>(*archive, "SG1");
    ASSERT_NE(list->item(0, 2), nullptr);
    EXPECT_EQ(list->item(0, 2)->text(), "Adam Petr 2024_03_04 10_00.mem") << "filled at start-up";

    rig.action("Archiv1")->trigger();
    EXPECT_TRUE(archive->isVisible());
    EXPECT_FALSE(archive->isModal());
    EXPECT_EQ(list->rowCount(), 1) << "a list with a first person is not refilled";
}

TEST(MainWindowMenu, HelpShowsTheHelpWindowAndAboutRunsModally)
{
    ProgramRig rig;
    rig.action("Popis2")->trigger();
    EXPECT_TRUE(rig.program().Help().isVisible());
    EXPECT_FALSE(rig.program().Help().isModal());

    bool wasModal = false;
    QTimer::singleShot(0, [&] {
        QWidget *about = QApplication::activeModalWidget();
        wasModal = about == &rig.program().About();
        if (about)
            QTest::mouseClick(Child<QPushButton>(*about, "Button1"), Qt::LeftButton);
    });
    rig.action("Oprogramu1")->trigger();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(rig.program().About().isVisible());
}

TEST(MainWindowMenu, ResultsWhileIdleShowsTheChartOfTheClearLog)
{
    ProgramRig rig;
    rig.action("Konec1")->trigger();
    EXPECT_TRUE(rig.program().Chart().isVisible());
    EXPECT_THAT(rig.program().Chart().Chart().Bars(), IsEmpty());
    EXPECT_TRUE(rig.main().IsIdle());
}

} // namespace
} // namespace vorlant
