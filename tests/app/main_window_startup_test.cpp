#include "board/board.h"
#include "board/cell_widget.h"
#include "board/picture_cell.h"
#include "engine/attempt_log.h"
#include "tests/app/program_rig.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string_view>

namespace vorlant {
namespace {

using ::testing::AllOf;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::ProgramRig;

TEST(MainWindowStartUp, LeavesTheWindowReadyForAFirstTest)
{
    ProgramRig rig;
    EXPECT_EQ(rig.label("_poc")->text(), "4");
    EXPECT_EQ(rig.label("_poc2")->text(), "0");
    EXPECT_TRUE(rig.action("N41")->isChecked());
    EXPECT_TRUE(rig.action("Normln1")->isChecked());
    EXPECT_EQ(rig.buttons(), "100 Pause");
    EXPECT_THAT(rig.runningTimers(), IsEmpty());
    EXPECT_TRUE(rig.main().Controller().Log().records == LogRecords{});

    const Board &board = *rig.main().GameBoard();
    EXPECT_FALSE(board.textPanel()->isHidden());
    EXPECT_TRUE(board.picturePanel()->isHidden());
    for (int index = 0; index < kCellCount; ++index) {
        EXPECT_EQ(board.textCell(index)->text(), "") << index;
        EXPECT_EQ(board.textCell(index)->background(), QColor(0xC0, 0xC0, 0xC0)) << index;
        EXPECT_TRUE(board.pictureCell(index)->hasPicture()) << index;
    }
    EXPECT_EQ(QDir(rig.currentFolder() + "/obr_deti").entryList(QDir::Files).size(), 42);
    EXPECT_TRUE(QFileInfo(rig.dataFolder()).isDir());
    EXPECT_THAT(rig.sink.messages, IsEmpty());
    EXPECT_THAT(rig.sink.errors, IsEmpty());
}

TEST(MainWindowStartUp, FailingStepIsReportedAndTheRestStillRuns)
{
    // A regular file where the picture folder should be: no picture can be written.
    ProgramRig rig([](const QString &current, const QString &) {
        QFile file(current + "/obr_deti");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    });
    EXPECT_THAT(rig.sink.messages, ElementsAre("Chyba adresáře obr_deti"));
    const Board *board = rig.main().GameBoard();
    ASSERT_NE(board, nullptr);
    EXPECT_FALSE(board->textPanel()->isHidden());
    EXPECT_NE(board->pictureCell(kCellCount - 1), nullptr);
    for (const char *name : {"T1", "_1", "_2", "_3"})
        EXPECT_NE(rig.timer(name), nullptr);
    EXPECT_EQ(rig.label("_poc")->text(), "4") << "the later steps ran";

    // And a test can be played on picture-less cells.
    rig.startWithName([&] { rig.button("_start")->click(); }, "Eva");
    rig.click(rig.showRound().at(0));
    EXPECT_EQ(rig.main().Controller().Position(), 1);
}

TEST(MainWindowShutDown, CtrlXDuringATestSavesNothingWritesSettingsAndRemovesPictures)
{
    ProgramRig rig;
    MainWindow &main = rig.main();
    QSignalSpy closed(&main, &MainWindow::Closed);
    main.show();
    rig.startWithName([&] { rig.button("_start")->click(); }, "Eva");
    rig.click(rig.showRound().at(0));
    main.activateWindow(); // back from the name dialog
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));

    QTest::keyClick(&main, Qt::Key_X, Qt::ControlModifier);

    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(rig.timer("T1")->isActive());
    EXPECT_THAT(QDir(rig.dataFolder()).entryList(QDir::Files), IsEmpty()) << "no results file";
    EXPECT_FALSE(QFileInfo::exists(rig.currentFolder() + "/obr_deti"));
    QFile settings(rig.programFolder() + "/Vorlant.ini");
    EXPECT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_THAT(settings.readAll().toStdString(),
                AllOf(HasSubstr("[Form5]"), HasSubstr("DE=" + rig.dataFolder().toStdString())));
    EXPECT_THAT(rig.sink.errors, IsEmpty());
}

// No tick of a test may run once the window has gone: it could start a round, play a sound or,
// with a full log, save a file and show the chart after the program was closed.
TEST(MainWindowShutDown, ClosingStopsAllFourTimersWhateverClosesTheWindow)
{
    const struct
    {
        const char *running;
        std::function<void(ProgramRig &)> reach;
    } states[] = {
        {"_1", [](ProgramRig &) {}},
        {"T1", [](ProgramRig &rig) { rig.fire("_1"); }},
        {"_2", [](ProgramRig &rig) { rig.showRound(); }},
        {"_3",
         [](ProgramRig &rig) {
             const CellPosition first = rig.showRound().at(0);
             rig.click({(first.row + 1) % kBoardSide, first.column}); // wrong: the attempt ends
             rig.fire("_2");
         }},
    };
    for (const auto &state : states) {
        for (const char *closer : {"close box", "Konec2"}) {
            SCOPED_TRACE(std::string(state.running) + " running, closed by " + closer);
            ProgramRig rig;
            rig.main().show();
            rig.startWithName([&] { rig.button("_start")->click(); }, "Eva");
            state.reach(rig);
            ASSERT_THAT(rig.runningTimers(), ElementsAre(state.running));

            if (std::string_view(closer) == "Konec2")
                rig.action("Konec2")->trigger();
            else
                rig.main().close();

            EXPECT_FALSE(rig.main().isVisible());
            EXPECT_THAT(rig.runningTimers(), IsEmpty());
        }
    }
}

TEST(MainWindowShutDown, SettingsThatCannotBeWrittenAreReportedAndTheWindowClosesAnyway)
{
    ProgramRig rig([](const QString &, const QString &program) {
        ASSERT_TRUE(QDir(program).mkdir("Vorlant.ini"));
    });
    MainWindow &main = rig.main();
    QSignalSpy closed(&main, &MainWindow::Closed);
    main.show();
    EXPECT_TRUE(main.close());
    const std::string path = rig.programFolder().toStdString() + "/Vorlant.ini";
    EXPECT_THAT(rig.sink.errors, ElementsAre("Unable to write to " + path + "."));
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(QFileInfo::exists(rig.currentFolder() + "/obr_deti"));
}

} // namespace
} // namespace vorlant
