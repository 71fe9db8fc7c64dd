// Ending the program while a test is under way: asked from the window, unasked by a signal.
#include "app/termination_signals.h"
#include "results/chart_window.h"
#include "tests/app/program_rig.h"

#include <QApplication>
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
    void SetUp() override { main.show(); }

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

    QString unsavedFolder() const { return rig.userDataFolder() + "/vorlant/neulozene"; }

    testing::ProgramRig rig;
    MainWindow &main = rig.main();
    QSignalSpy closed{&main, &MainWindow::Closed};
    TerminationSignals termination{[this] { rig.program().EndBySignal(); }};
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

// A test with an attempt is kept where a test whose save failed is kept.
TEST_F(QuittingTest, ATerminationSignalKeepsATestWithAnAttemptUnasked)
{
    PlayOneAttempt();
    const AttemptRecord done = main.Controller().Log().records[0];
    ASSERT_TRUE(EndsOn(SIGTERM));
    ASSERT_THAT(QDir(unsavedFolder()).entryList(QDir::Files), ElementsAre(kResultsFile));
    const LogRecords saved = testing::ReadResultsFile(unsavedFolder() + "/" + kResultsFile);
    EXPECT_EQ(saved[0], done);
    EXPECT_EQ(saved[1].length, 0) << "the unfinished attempt is dropped";
    EXPECT_THAT(rig.sink.messages, IsEmpty());
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

TEST_F(QuittingTest, ATerminationSignalBeforeAnyAttemptKeepsNothing)
{
    rig.startWithName([&] { rig.button("_start")->click(); }, "Eva");
    rig.showRound();
    ASSERT_TRUE(EndsOn(SIGHUP));
    EXPECT_FALSE(QFileInfo::exists(unsavedFolder()));
}

} // namespace
} // namespace vorlant
