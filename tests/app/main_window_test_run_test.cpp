#include "results/chart_attempts.h"
#include "results/chart_window.h"
#include "tests/app/program_rig.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vorlant {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QString kResultsFile = "Eva 2024_03_05 09_07.mem";

using testing::OtherCell;
using testing::ReadResultsFile;

class WholeTest : public ::testing::Test
{
protected:
    // Plays one round by clicking back what the board showed, wrong at slot wrongAt; the
    // counter's colours after each click tell that the board lit the sequence in order.
    void PlayRound(std::int64_t elapsedMs, int wrongAt = -1)
    {
        const std::vector<CellPosition> shown = rig.showRound();
        for (int slot = 0; slot < int(shown.size()); ++slot) {
            const bool wrong = slot == wrongAt;
            rig.click(wrong ? OtherCell(shown[slot]) : shown[slot]);
            EXPECT_EQ(rig.label("_poc")->palette().color(QPalette::Window), wrong ? kRed : kYellow);
            if (wrong)
                break;
        }
        rig.now = rig.main().Controller().InputStart() + elapsedMs - 50; // _2 adds its 50 ms
        rig.fire("_2");
        rig.rest();
    }

    void Click(const char *button) { QTest::mouseClick(rig.button(button), Qt::LeftButton); }
    std::vector<ChartBar> Bars() const { return rig.program().Chart().Chart().Bars(); }

    testing::ProgramRig rig;
};

TEST_F(WholeTest, PlayedPausedChartedAndEndedGivesTheResultsFileAndTheChart)
{
    rig.startWithName([&] { Click("_start"); }, "Eva");
    PlayRound(1500);
    PlayRound(700, 0);

    // Pause during the display of the third attempt drops it.
    rig.fire("_1");
    rig.fire("T1");
    rig.fire("T1");
    Click("_Pause");
    EXPECT_THAT(rig.runningTimers(), IsEmpty());
    EXPECT_FALSE(testing::LitCell(rig.main()).has_value()) << "Pause resets the cells";
    Click("_Pause");
    PlayRound(900); // replaces the wrong attempt

    // "Výsledky" during the rest pauses, stepping back over the attempt just completed, and
    // charts; again, it continues.
    rig.action("Konec1")->trigger();
    EXPECT_EQ(rig.buttons(), "010 Pokračuj");
    EXPECT_THAT(Bars(), ElementsAre(ChartBar{0, 4, kYellow}, ChartBar{1, 4, kYellow}));
    rig.action("Konec1")->trigger();
    EXPECT_EQ(rig.buttons(), "011 Pause");

    PlayRound(800); // replaces the 900 ms attempt
    PlayRound(2000, 3);
    rig.fire("_1"); // the unfinished attempt that "Konec" drops
    rig.fire("T1");
    Click("_Konec");

    EXPECT_EQ(rig.buttons(), "100 Pause");
    const LogRecords expected{{{4, true, 1500}, {4, true, 800}, {4, false, 2000}}};
    EXPECT_THAT(ReadResultsFile(rig.dataFolder() + '/' + kResultsFile), ElementsAreArray(expected));
    EXPECT_THAT(Bars(), ElementsAre(ChartBar{0, 4, kYellow}, ChartBar{1, 4, kYellow},
                                    ChartBar{2, 4, kRed}));
    EXPECT_THAT(rig.sink.messages, IsEmpty());
}

TEST_F(WholeTest, FullLogEndsTheTestAsKonecDoes)
{
    rig.startWithName([&] { Click("_start"); }, "Eva");
    for (int attempt = 0; attempt < kLogRecords; ++attempt) {
        rig.click(OtherCell(rig.showRound().at(0)));
        rig.fire("_2");
        if (attempt + 1 < kLogRecords)
            rig.rest();
    }
    EXPECT_EQ(rig.buttons(), "100 Pause");
    EXPECT_EQ(Bars().size(), std::size_t(kLogRecords));
    EXPECT_EQ(ReadResultsFile(rig.dataFolder() + '/' + kResultsFile).back().length, 2)
        << "three failures at a time bring the length down to 2";
}

// A new test started from the menu while the old one was paused must not start paused: the
// first click on "Pokračuj" would otherwise arm a round start in the middle of its input.
TEST_F(WholeTest, StartWhilePausedBeginsARunningTestWhoseRoundsKeepShowingTheirCells)
{
    rig.startWithName([&] { Click("_start"); }, "Eva");
    PlayRound(1500);
    Click("_Pause");

    rig.startWithName([&] { rig.action("Start1")->trigger(); }, "Eva");
    EXPECT_EQ(rig.buttons(), "011 Pause") << "the new test is not paused";
    rig.showRound();
    Click("_Pause");
    Click("_Pause");
    for (int round = 0; round < 5; ++round)
        PlayRound(600 + round);
    Click("_Konec");
    EXPECT_EQ(RecordCount(ReadResultsFile(rig.dataFolder() + '/' + kResultsFile)), 5);
}

// Two tests of one person within one minute keep both files, and the archive lists both
// under the one surname. The chart after "Konec" shows the test just saved: its CSV names the
// person, the time and the file that was written, also after a later "Výsledky", until the
// next test starts.
TEST_F(WholeTest, TwoTestsOfOnePersonInOneMinuteKeepBothFilesAndTheChartExportsTheLast)
{
    const auto exported = [&] { return rig.chartCsvLine().toStdString(); };
    for (std::int64_t elapsed : {1000, 2000}) {
        rig.startWithName([&] { Click("_start"); }, QStringLiteral("Dvojče"));
        PlayRound(elapsed);
        Click("_Konec");
    }
    const QString first = QStringLiteral("Dvojče 2024_03_05 09_07.mem");
    const QString second = QStringLiteral("Dvojče (2) 2024_03_05 09_07.mem");
    EXPECT_EQ(ReadResultsFile(rig.dataFolder() + '/' + first)[0].elapsedMs, 1000);
    EXPECT_EQ(ReadResultsFile(rig.dataFolder() + '/' + second)[0].elapsedMs, 2000);
    const std::string line = "Dvojče,2024-03-05T09:07,Dvojče (2) 2024_03_05 09_07.mem,0,4,1,2000";
    EXPECT_EQ(exported(), line);
    EXPECT_THAT(rig.archiveRowsAfterArchiv(),
                ElementsAre("Dvojče | 2024_03_05 09_07.mem | " + first,
                            "Dvojče (2) | 2024_03_05 09_07.mem | " + second));
    EXPECT_EQ(rig.main().findChild<QComboBox *>(QStringLiteral("CB1"))->currentText(),
              QStringLiteral("Dvojče"))
        << "one surname offered";
    rig.action("Konec1")->trigger(); // "Výsledky"
    EXPECT_EQ(exported(), line);

    // A test under way has no file yet, but its person and the minute a save would name.
    rig.startWithName([&] { Click("_start"); }, QStringLiteral("Dvojče"));
    PlayRound(3000);
    rig.action("Konec1")->trigger();
    EXPECT_EQ(exported(), "Dvojče,2024-03-05T09:07,,0,4,1,3000");
}

// A name that begins with "." must not give a hidden file that the archive cannot list.
TEST_F(WholeTest, ANameBeginningWithADotIsSavedVisibleAndListed)
{
    rig.startWithName([&] { Click("_start"); }, QStringLiteral("..Tajný"));
    PlayRound(1000);
    Click("_Konec");
    const QString saved = QStringLiteral("_.Tajný 2024_03_05 09_07.mem");
    EXPECT_THAT(QDir(rig.dataFolder()).entryList(QDir::Files | QDir::Hidden), ElementsAre(saved));
    EXPECT_THAT(rig.archiveRowsAfterArchiv(),
                ElementsAre("_.Tajný | 2024_03_05 09_07.mem | " + saved));
}

TEST(FailedSave, IsReportedAndTheTestStillEndsWithItsChart)
{
    // A regular file named "data" stands where the data directory should be made.
    testing::ProgramRig rig([](const QString &, const QString &program) {
        QFile blocker(program + QStringLiteral("/data"));
        ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    });
    rig.startWithName([&] { QTest::mouseClick(rig.button("_start"), Qt::LeftButton); }, "Eva");
    rig.fire("_1");
    QTest::mouseClick(rig.button("_Konec"), Qt::LeftButton);

    // The test is kept in the user's own folder, and the message says where.
    const QString kept = rig.userDataFolder() + "/vorlant/neulozene/";
    const std::string path = (rig.dataFolder() + '/' + kResultsFile).toStdString();
    EXPECT_THAT(rig.sink.messages,
                ElementsAre("Soubor " + path +
                            " nelze uložit\nČást cesty není složka.\nVýsledky byly uloženy do " +
                            (kept + kResultsFile).toStdString() + "."));
    EXPECT_EQ(ReadResultsFile(kept + kResultsFile)[0].length, 4);
    EXPECT_TRUE(rig.program().Chart().isVisible());

    // A second failed save of the same minute keeps its own file beside the first.
    rig.startWithName([&] { QTest::mouseClick(rig.button("_start"), Qt::LeftButton); }, "Eva");
    rig.fire("_1");
    QTest::mouseClick(rig.button("_Konec"), Qt::LeftButton);
    EXPECT_THAT(QDir(kept).entryList(QDir::Files | QDir::Hidden),
                ElementsAre("Eva (2) 2024_03_05 09_07.mem", kResultsFile));
}

// Neither the data directory nor the fallback folder can be made: regular files stand where
// the data directory and the user's data folder belong. The user answers the message boxes
// and the save dialog as answer says.
class NoFolderLeft : public ::testing::Test
{
protected:
    NoFolderLeft()
    {
        EXPECT_TRUE(QFile(home.filePath("share")).open(QIODevice::WriteOnly));
        QObject::connect(&user, &QTimer::timeout, [this] { Answer(); });
        user.start(10);
    }

    // Ends a test of one failed attempt with "Konec".
    void EndATest()
    {
        rig.startWithName([&] { QTest::mouseClick(rig.button("_start"), Qt::LeftButton); }, "Eva");
        rig.fire("_1");
        QTest::mouseClick(rig.button("_Konec"), Qt::LeftButton);
    }

    void Answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            boxes << box->text();
            elsewhereOffered = ButtonWithText(*box, "Uložit jinam…") != nullptr;
            if (auto *chosen = ButtonWithText(*box, saveTo.isEmpty() ? "OK" : "Uložit jinam…"))
                chosen->click();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            if (suggested.isEmpty())
                suggested = dialog->selectedFiles().value(0);
            ChooseInFileDialog(*dialog, saveTo.value(0), [this] { saveTo.removeFirst(); });
        }
    }

    QTemporaryDir home;
    // The save dialog keeps its state below the home folder: a home of the test's own.
    test::ScopedEnvironment homeVariable{"HOME", home.path()};
    testing::ProgramRig rig{[](const QString &, const QString &program) {
                                QFile blocker(program + QStringLiteral("/data"));
                                ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
                            },
                            {},
                            home.path()};
    const std::string failed = "Soubor " + (rig.dataFolder() + '/' + kResultsFile).toStdString() +
                               " nelze uložit\nČást cesty není složka.";
    QStringList saveTo; // the files the user chooses in turn; none: "OK"
    QStringList boxes;
    bool elsewhereOffered = false;
    QString suggested;
    QTimer user;
};

// The chart's export is then the one copy of the test left: it names the person and the
// minute of the save.
TEST_F(NoFolderLeft, DecliningToSaveElsewhereLeavesTheChartWhoseExportNamesPersonAndTime)
{
    EndATest();

    EXPECT_EQ(boxes, QStringList{QString::fromStdString(failed)});
    EXPECT_TRUE(elsewhereOffered);
    ASSERT_TRUE(rig.program().Chart().isVisible());
    EXPECT_EQ(rig.chartCsvLine(), "Eva,2024-03-05T09:07,,0,4,0,0");
}

// "Uložit jinam…" saves the results file where the user chooses, for example on a USB stick;
// a place that fails too is named and the choice offered again.
TEST_F(NoFolderLeft, SavingElsewhereWritesTheResultsFileWhereTheUserChooses)
{
    QTemporaryDir stick;
    ASSERT_TRUE(QFile(stick.filePath("full")).open(QIODevice::WriteOnly));
    const QString failing = stick.filePath("full/" + kResultsFile);
    const QString kept = stick.filePath(kResultsFile);
    saveTo = QStringList{failing, kept};

    EndATest();

    EXPECT_EQ(suggested, home.filePath(kResultsFile));
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_EQ(boxes[1], "Soubor " + failing + " nelze uložit\nČást cesty není složka.");
    EXPECT_EQ(testing::ReadResultsFile(kept)[0], (AttemptRecord{4, false, 0}));
    ASSERT_TRUE(rig.program().Chart().isVisible());
    EXPECT_EQ(rig.chartCsvLine(), "Eva,2024-03-05T09:07," + kResultsFile + ",0,4,0,0");
}

} // namespace
} // namespace vorlant
