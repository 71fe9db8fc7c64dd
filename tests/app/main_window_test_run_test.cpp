#include "board/board.h"
#include "board/cell_widget.h"
#include "program_rig.h"
#include "results/chart_attempts.h"
#include "results/chart_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

namespace vorlant {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using testing::ProgramRig;

const QColor kYellowColour(0xFF, 0xFF, 0x00);
const QColor kRedColour(0xFF, 0x00, 0x00);
const QColor kBlackColour(0x00, 0x00, 0x00);
const QColor kWhiteColour(0xFF, 0xFF, 0xFF);

CellPosition OtherCell(CellPosition cell)
{
    return {(cell.row + 1) % kBoardSide, cell.column};
}

// The records of a results file, read field by field as the file lays them out.
std::vector<AttemptRecord> ReadResultsFile(const QString &path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.size(), 16016);
    std::vector<AttemptRecord> records;
    for (qsizetype at = 0; at + 16 <= bytes.size(); at += 16) {
        AttemptRecord record;
        std::memcpy(&record.length, bytes.constData() + at, 4);
        record.success = bytes[at + 4] != 0;
        std::memcpy(&record.elapsedMs, bytes.constData() + at + 8, 8);
        records.push_back(record);
    }
    return records;
}

class WholeTest : public ::testing::Test
{
protected:
    // Plays one round by clicking back what the board showed, wrong at slot wrongAt.
    void PlayRound(std::int64_t elapsedMs, int wrongAt = -1)
    {
        const std::vector<CellPosition> shown = rig.showRound();
        const Sequence &sequence = rig.main().Controller().CurrentSequence();
        ASSERT_EQ(shown.size(), std::size_t(rig.main().Controller().CurrentLength()));
        EXPECT_TRUE(std::equal(shown.begin(), shown.end(), sequence.begin()))
            << "the board lit the sequence in order";
        EXPECT_EQ(rig.label("_poc2")->text(), QString::number(shown.size()));

        for (int slot = 0; slot < int(shown.size()); ++slot) {
            const bool wrong = slot == wrongAt;
            rig.click(wrong ? OtherCell(shown[slot]) : shown[slot]);
            EXPECT_EQ(LengthBackground(), wrong ? kRedColour : kYellowColour);
            EXPECT_EQ(LengthTextColour(), wrong ? kWhiteColour : kBlackColour);
            if (wrong)
                break;
        }
        rig.finishAttempt(elapsedMs);
        EXPECT_THAT(rig.runningTimers(), ElementsAre("_1")) << "the next round is due";
        EXPECT_EQ(rig.label("_poc2")->text(), "0");
    }

    QColor LengthBackground() const { return rig.label("_poc")->palette().color(QPalette::Window); }
    QColor LengthTextColour() const
    {
        return rig.label("_poc")->palette().color(QPalette::WindowText);
    }
    void Click(const char *button) { QTest::mouseClick(rig.button(button), Qt::LeftButton); }
    std::vector<ChartBar> Bars() const { return rig.program().Chart().Chart().Bars(); }

    ProgramRig rig;
};

TEST_F(WholeTest, PlayedPausedChartedAndEndedGivesTheResultsFileAndTheChart)
{
    rig.startWithName([&] { Click("_start"); }, "Eva");
    PlayRound(1500);
    PlayRound(700, 0);

    // Pause during the display of the third attempt drops it and steps back one record.
    rig.fire("_1");
    rig.fire("T1");
    rig.fire("T1");
    Click("_Pause");
    EXPECT_EQ(rig.button("_Pause")->text(), "Pokračuj");
    EXPECT_FALSE(rig.button("_Konec")->isEnabled());
    EXPECT_THAT(rig.runningTimers(), IsEmpty());
    EXPECT_FALSE(testing::LitCell(rig.main()).has_value()) << "Pause resets the cells";
    Click("_Pause");
    EXPECT_EQ(rig.button("_Pause")->text(), "Pause");
    EXPECT_TRUE(rig.button("_Konec")->isEnabled());
    EXPECT_THAT(rig.runningTimers(), ElementsAre("_1"));
    PlayRound(900); // replaces the wrong attempt

    // "Výsledky" during the rest pauses and charts; again, it continues. The pause steps
    // back to the attempt just completed, which the next round replaces.
    rig.action("Konec1")->trigger();
    EXPECT_EQ(rig.button("_Pause")->text(), "Pokračuj");
    EXPECT_TRUE(rig.program().Chart().isVisible());
    const QColor yellow(255, 255, 0), red(255, 0, 0);
    EXPECT_THAT(Bars(), ElementsAre(ChartBar{0, 4, yellow}, ChartBar{1, 4, yellow}));
    rig.action("Konec1")->trigger();
    EXPECT_EQ(rig.button("_Pause")->text(), "Pause");
    EXPECT_THAT(rig.runningTimers(), ElementsAre("_1"));

    PlayRound(800); // replaces the 900 ms attempt
    PlayRound(2000, 3);
    rig.fire("_1"); // the unfinished attempt that "Konec" drops
    rig.fire("T1");
    Click("_Konec");

    EXPECT_TRUE(rig.button("_start")->isEnabled());
    EXPECT_FALSE(rig.button("_Pause")->isEnabled());
    EXPECT_FALSE(rig.button("_Konec")->isEnabled());
    EXPECT_THAT(rig.runningTimers(), IsEmpty());
    EXPECT_THAT(QDir(rig.dataFolder()).entryList(QDir::Files),
                ElementsAre("Eva 2024_03_05 09_07.mem"));
    std::vector<AttemptRecord> expected(kLogRecords);
    expected[0] = {4, true, 1500};
    expected[1] = {4, true, 800};
    expected[2] = {4, false, 2000};
    EXPECT_THAT(ReadResultsFile(rig.dataFolder() + "/Eva 2024_03_05 09_07.mem"),
                ElementsAreArray(expected));
    EXPECT_THAT(Bars(),
                ElementsAre(ChartBar{0, 4, yellow}, ChartBar{1, 4, yellow}, ChartBar{2, 4, red}));
    EXPECT_THAT(rig.sink.messages, IsEmpty());
    EXPECT_THAT(rig.sink.errors, IsEmpty());
}

TEST_F(WholeTest, ResultsFileThatCannotBeSavedIsReportedAndTheTestStillEnds)
{
    // A folder where the results file should go.
    ASSERT_TRUE(QDir(rig.dataFolder()).mkdir("Eva 2024_03_05 09_07.mem"));
    rig.startWithName([&] { Click("_start"); }, "Eva");
    PlayRound(1000);
    Click("_Konec");
    const std::string path = rig.dataFolder().toStdString() + "/Eva 2024_03_05 09_07.mem";
    EXPECT_THAT(rig.sink.messages, ElementsAre("Soubor " + path + " nelze uložit"));
    EXPECT_TRUE(rig.button("_start")->isEnabled());
    EXPECT_TRUE(rig.program().Chart().isVisible());
    EXPECT_THAT(Bars(), ElementsAre(ChartBar{0, 4, QColor(255, 255, 0)}));
}

TEST_F(WholeTest, FullLogEndsTheTestAsKonecDoes)
{
    rig.startWithName([&] { Click("_start"); }, "Eva");
    const int attempts = kLogRecords;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const std::vector<CellPosition> shown = rig.showRound();
        ASSERT_FALSE(shown.empty()) << attempt;
        rig.click(OtherCell(shown[0]));
        rig.fire("_2");
        if (attempt + 1 < attempts)
            for (int tick = 0; tick < 3; ++tick)
                rig.fire("_3");
    }
    EXPECT_TRUE(rig.button("_start")->isEnabled());
    EXPECT_THAT(rig.runningTimers(), IsEmpty());
    EXPECT_TRUE(rig.program().Chart().isVisible());
    EXPECT_EQ(Bars().size(), std::size_t(kLogRecords));
    const std::vector<AttemptRecord> saved =
        ReadResultsFile(rig.dataFolder() + "/Eva 2024_03_05 09_07.mem");
    ASSERT_EQ(saved.size(), std::size_t(kLogRecords));
    EXPECT_EQ(saved.back().length, 2) << "three failures at a time bring the length down to 2";
}

// The real timers at the fastest speed: one round shown, answered and recorded.
TEST(MainWindowRealTimers, RoundRunsOnItsOwnAtTheFastestSpeed)
{
    ProgramRig rig({.realClock = true, .before = {}});
    rig.action("Nejrychlej1")->trigger();
    std::vector<CellPosition> shown;
    QObject::connect(rig.timer("T1"), &QTimer::timeout, [&] {
        if (const auto lit = testing::LitCell(rig.main()))
            shown.push_back(*lit);
    });
    rig.startWithName([&] { QTest::mouseClick(rig.button("_start"), Qt::LeftButton); }, "Eva");

    RoundController &controller = rig.main().Controller();
    QTRY_VERIFY_WITH_TIMEOUT(controller.InputOpen(), 6000);
    ASSERT_EQ(shown.size(), 4u);
    for (const CellPosition cell : shown)
        rig.click(cell);
    QTRY_VERIFY_WITH_TIMEOUT(rig.timer("_3")->isActive(), 1000);
    EXPECT_EQ(controller.Log().LogIndex, 1);
    EXPECT_TRUE(controller.Log().records[0].success);
    EXPECT_GE(controller.Log().records[0].elapsedMs, 0);
    QTRY_VERIFY_WITH_TIMEOUT(rig.timer("T1")->isActive(), 2000);
    EXPECT_EQ(rig.label("_poc2")->text(), "0") << "the next round has begun";
}

} // namespace
} // namespace vorlant
