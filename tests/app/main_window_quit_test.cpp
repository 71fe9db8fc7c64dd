// Ending the program while a test is under way: asked from the window, unasked by a signal.
#include "app/termination_signals.h"
#include "results/chart_window.h"
#include "tests/app/program_rig.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace vorlant {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const QString kQuestion = "Test ještě běží. Ukončit program bez uložení výsledků?";
const QString kResultsFile = "Eva 2024_03_05 09_07.mem";

class QuittingTest : public ::testing::Test
{
protected:
    explicit QuittingTest(const testing::ProgramRig::Prepare &prepare = {}) : rig(prepare) {}

    void SetUp() override { main.show(); }

    void StartAs(const QString &name)
    {
        rig.startWithName([&] { rig.button("_start")->click(); }, name);
    }

    // Plays the next attempt to its completion check, every cell right, and notes its record.
    void FinishAttempt()
    {
        for (const CellPosition cell : rig.showRound())
            rig.click(cell);
        rig.fire("_2");
        finished.push_back(main.Controller().Log().records[finished.size()]);
    }
    // Plays count attempts, resting between them; the last one's rest is due.
    void FinishAttempts(int count)
    {
        for (int attempt = 0; attempt < count; ++attempt) {
            if (attempt > 0)
                rig.rest();
            FinishAttempt();
        }
    }

    // A running test with one attempt done and the next one's answers open.
    void PlayOneAttempt()
    {
        rig.startWithName([&] { rig.button("_start")->click(); }, "Eva");
        for (const CellPosition cell : rig.showRound())
            rig.click(cell);
        rig.fire("_2");
        rig.rest();
        rig.showRound();
        ASSERT_EQ(main.Controller().Log().LogIndex, 1);
    }

    // Runs quit, which must ask; checks the question and what it paused, then answers it.
    void Answer(const std::function<void()> &quit, const QString &answer)
    {
        bool asked = false;
        WhileModal(quit, [&](QWidget &window) {
            auto *box = qobject_cast<QMessageBox *>(&window);
            ASSERT_NE(box, nullptr);
            asked = true;
            EXPECT_EQ(box->text(), kQuestion);
            EXPECT_EQ(box->defaultButton(), ButtonWithText(*box, "Ne"));
            EXPECT_THAT(rig.runningTimers(), IsEmpty()) << "the test is paused while asked";
            ButtonWithText(*box, answer)->click();
        });
        EXPECT_TRUE(asked);
    }

    // A session that ends, or Ctrl+C in the terminal: the window closes unasked.
    bool EndsOn(int signal)
    {
        std::raise(signal);
        return QTest::qWaitFor([&] { return closed.count() == 1; });
    }

    // A signal while the modal window that open opens waits: the program closes, and the window
    // is left too, so that the program can end.
    void SignalWhileModal(const std::function<void()> &open)
    {
        WhileModal(open, [&](QWidget &window) {
            std::raise(SIGTERM);
            EXPECT_TRUE(QTest::qWaitFor([&] { return closed.count() == 1; }));
            EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isVisible(); }, 2000))
                << "the window stays open";
            if (auto *dialog = qobject_cast<QDialog *>(&window); dialog && dialog->isVisible())
                dialog->done(QDialog::Rejected);
        });
    }

    QStringList unsavedFiles() const { return QDir(unsavedFolder()).entryList(QDir::Files); }
    QString unsavedFolder() const { return rig.userDataFolder() + "/vorlant/neulozene"; }

    // The test's first records followed by the end of the log.
    static ::testing::AssertionResult HoldsExactly(const LogRecords &log,
                                                   const std::vector<AttemptRecord> &records)
    {
        for (std::size_t i = 0; i < records.size(); ++i)
            if (!(log[i] == records[i]))
                return ::testing::AssertionFailure() << "record " << i << " differs";
        if (log[records.size()].length != 0)
            return ::testing::AssertionFailure() << "more than " << records.size() << " records";
        return ::testing::AssertionSuccess();
    }

    testing::ProgramRig rig;
    MainWindow &main = rig.main();
    QSignalSpy closed{&main, &MainWindow::Closed};
    TerminationSignals termination{[this] { rig.program().EndBySignal(); }};
    std::vector<AttemptRecord> finished; // the attempts played to their end, in turn
};

TEST_F(QuittingTest, KonecDuringATestAsksAndNeGoesOnWithTheTestAsItWas)
{
    PlayOneAttempt();
    Answer([&] { rig.action("Konec2")->trigger(); }, "Ne");
    EXPECT_EQ(closed.count(), 0);
    EXPECT_EQ(rig.buttons(), "011 Pause") << "continued as Pokračuj does";
    EXPECT_THAT(rig.runningTimers(), ElementsAre("_1"));

    // Paused by the user, the test stays paused.
    rig.button("_Pause")->click();
    Answer([&] { main.close(); }, "Ne");
    EXPECT_EQ(rig.buttons(), "010 Pokračuj");

    // "Ano" quits as ever: nothing is saved, the settings are written, the pictures removed.
    rig.button("_Pause")->click();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    Answer([&] { QTest::keyClick(&main, Qt::Key_X, Qt::ControlModifier); }, "Ano");
    EXPECT_EQ(closed.count(), 1);
    EXPECT_THAT(QDir(rig.dataFolder()).entryList(QDir::Files), IsEmpty());
    EXPECT_FALSE(QFileInfo::exists(unsavedFolder()));
    EXPECT_FALSE(QFileInfo::exists(rig.currentFolder() + "/obr_deti"));
    QFile settings(rig.programFolder() + "/Vorlant.ini");
    EXPECT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_THAT(settings.readAll().toStdString(),
                HasSubstr("DE=" + rig.dataFolder().toStdString()));
}

TEST_F(QuittingTest, WithNoTestUnderWayKonecQuitsWithoutAsking)
{
    PlayOneAttempt();
    rig.button("_Konec")->click();
    rig.program().Chart().hide();
    // A question would wait for an answer: one is given, and noted.
    bool asked = false;
    QTimer answer;
    answer.setSingleShot(true);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (QWidget *box = QApplication::activeModalWidget()) {
            asked = true;
            box->close();
        }
    });
    answer.start(0);
    rig.action("Konec2")->trigger();
    EXPECT_FALSE(asked);
    EXPECT_EQ(closed.count(), 1);
}

class KeptOnASignal;

// Where the test stands when the session ends, and how many of its attempts were finished.
struct SignalCase
{
    const char *state;
    std::function<void(KeptOnASignal &)> reach;
    std::size_t finishedAttempts;
    bool behindTheNameDialog = false; // "Start" of the menu opened it over the running test
};

void PrintTo(const SignalCase &signalCase, std::ostream *out)
{
    *out << signalCase.state;
}

class KeptOnASignal : public QuittingTest, public ::testing::WithParamInterface<SignalCase>
{
public:
    using QuittingTest::FinishAttempts;
    using QuittingTest::rig;
    using QuittingTest::StartAs;
};

// A test under way is kept where a test whose save failed is kept, with exactly its finished
// attempts: never the one being shown or answered, nor a test with none.
TEST_P(KeptOnASignal, ATerminationSignalKeepsTheFinishedAttemptsUnasked)
{
    StartAs("Eva");
    GetParam().reach(*this);
    if (GetParam().behindTheNameDialog)
        SignalWhileModal([&] { rig.action("Start1")->trigger(); });
    else
        ASSERT_TRUE(EndsOn(SIGTERM));
    EXPECT_EQ(closed.count(), 1);
    EXPECT_THAT(rig.sink.messages, IsEmpty());
    ASSERT_EQ(finished.size(), GetParam().finishedAttempts);
    if (finished.empty()) {
        EXPECT_THAT(unsavedFiles(), IsEmpty());
        return;
    }
    ASSERT_THAT(unsavedFiles(), ElementsAre(kResultsFile));
    EXPECT_TRUE(
        HoldsExactly(testing::ReadResultsFile(unsavedFolder() + "/" + kResultsFile), finished));
}

INSTANTIATE_TEST_SUITE_P(
    States, KeptOnASignal,
    ::testing::Values(SignalCase{"ThirdAttemptHalfAnswered",
                                 [](KeptOnASignal &t) {
                                     t.FinishAttempts(2);
                                     t.rig.rest();
                                     const CellPosition first = t.rig.showRound().front();
                                     t.rig.now += 700;
                                     t.rig.click(first);
                                 },
                                 2},
                      SignalCase{"RestAfterTheSecond",
                                 [](KeptOnASignal &t) { t.FinishAttempts(2); }, 2},
                      SignalCase{"PausedInTheThird",
                                 [](KeptOnASignal &t) {
                                     t.FinishAttempts(2);
                                     t.rig.rest();
                                     t.rig.showRound();
                                     t.rig.button("_Pause")->click();
                                 },
                                 2},
                      SignalCase{"FirstAttemptHalfAnswered",
                                 [](KeptOnASignal &t) {
                                     const CellPosition first = t.rig.showRound().front();
                                     t.rig.now += 700;
                                     t.rig.click(first);
                                 },
                                 0},
                      SignalCase{"NothingAnswered", [](KeptOnASignal &t) { t.rig.showRound(); }, 0},
                      SignalCase{"RunningBehindTheNameDialog",
                                 [](KeptOnASignal &t) {
                                     t.FinishAttempts(1);
                                     t.rig.rest();
                                     t.rig.showRound();
                                 },
                                 1, true}),
    [](const auto &info) { return std::string(info.param.state); });

// A test saved with "Konec" is over: a signal while the name dialog of the next one is open keeps
// no second copy of it, and the dialog is left as the program ends.
TEST_F(QuittingTest, ASignalWhileTheNextTestIsNamedKeepsNoCopyOfTheSavedOne)
{
    StartAs("Eva");
    FinishAttempts(2);
    rig.rest();
    rig.button("_Konec")->click();
    rig.program().Chart().hide();
    SignalWhileModal([&] { rig.button("_start")->click(); });
    EXPECT_EQ(closed.count(), 1);
    EXPECT_THAT(unsavedFiles(), IsEmpty());
    EXPECT_TRUE(
        HoldsExactly(testing::ReadResultsFile(rig.dataFolder() + "/" + kResultsFile), finished));
}

// The data directory cannot be written (a file stands where it belongs).
class QuittingWithoutDataDirectory : public QuittingTest
{
protected:
    QuittingWithoutDataDirectory()
        : QuittingTest([](const QString &, const QString &program) {
              ASSERT_TRUE(QFile(program + "/data").open(QIODevice::WriteOnly));
          })
    {}
};

// The save went to the fallback folder: a signal while the box that says so is open keeps no
// second, shortened copy there.
TEST_F(QuittingWithoutDataDirectory, ASignalDuringTheBoxAfterASaveKeepsNoSecondCopy)
{
    StartAs("Eva");
    FinishAttempts(2);
    rig.rest();
    rig.sink.onMessage = [&] {
        rig.sink.onMessage = nullptr;
        std::raise(SIGTERM);
        EXPECT_TRUE(QTest::qWaitFor([&] { return closed.count() == 1; }));
    };
    rig.button("_Konec")->click();
    ASSERT_EQ(rig.sink.messages.size(), 1u);
    EXPECT_EQ(closed.count(), 1);
    ASSERT_THAT(unsavedFiles(), ElementsAre(kResultsFile));
    EXPECT_TRUE(
        HoldsExactly(testing::ReadResultsFile(unsavedFolder() + "/" + kResultsFile), finished));
}

// No folder takes the test: the program still ends at once, with no box nobody would answer.
TEST_F(QuittingTest, ATerminationSignalThatCannotKeepTheTestEndsWithoutAsking)
{
    ASSERT_TRUE(QDir().mkpath(rig.userDataFolder() + "/vorlant"));
    QFile standIn(unsavedFolder()); // a file where the folder belongs
    ASSERT_TRUE(standIn.open(QIODevice::WriteOnly));
    PlayOneAttempt();
    ASSERT_TRUE(EndsOn(SIGTERM));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_THAT(rig.sink.messages, IsEmpty());
}

// The session ends while the user is being asked: the answer cannot come any more.
TEST_F(QuittingTest, ATerminationSignalDuringTheQuestionKeepsTheTestAndEnds)
{
    PlayOneAttempt();
    WhileModal([&] { main.close(); },
               [&](QWidget &box) {
                   ASSERT_TRUE(qobject_cast<QMessageBox *>(&box));
                   std::raise(SIGTERM);
                   EXPECT_TRUE(QTest::qWaitFor([&] { return !box.isVisible(); }));
               });
    EXPECT_EQ(closed.count(), 1);
    EXPECT_THAT(QDir(unsavedFolder()).entryList(QDir::Files), ElementsAre(kResultsFile));
}

} // namespace
} // namespace vorlant
