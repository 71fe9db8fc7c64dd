#include "board/board.h"
#include "board/picture_cell.h"
#include "board/sound_player.h"
#include "results/archive_window.h"
#include "results/chart_window.h"
#include "tests/app/program_rig.h"

#include <QAbstractButton>
#include <QAction>
#include <QTableWidget>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string_view>

#include <unistd.h>

namespace vorlant {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using testing::ProgramRig;
using testing::RigStartUp;

TEST(MainWindowStartUp, FailingStepIsReportedAndTheRestStillRuns)
{
    // A regular file where the picture folder should be: no picture can be written.
    ProgramRig rig([](const QString &current, const QString &) {
        QFile file(current + "/obr_deti");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    });
    EXPECT_THAT(rig.sink.messages, ElementsAre("Chyba adresáře obr_deti"));
    EXPECT_EQ(rig.label("_poc")->text(), "4") << "the later steps ran";

    // And a test can be played on picture-less cells.
    rig.startWithName([&] { rig.button("_start")->click(); }, "Eva");
    rig.click(rig.showRound().at(0));
    EXPECT_EQ(rig.main().Controller().Position(), 1);
}

// Pictures that another user left in the picture folder (a shared current folder) are not
// shown; the program goes on with the text board and cells without pictures.
TEST(MainWindowStartUp, APictureFolderOfAnotherUserIsNotUsed)
{
    constexpr uid_t kOtherUser = 4242;
    QByteArray theirs;
    ProgramRig rig([&](const QString &current, const QString &) {
        ASSERT_TRUE(QDir(current).mkpath("obr_deti"));
        QFile::copy(":/media/DATA_1", current + "/obr_deti/DATA_1.jpg");
        for (const QString &path : {current + "/obr_deti/DATA_1.jpg", current + "/obr_deti"})
            if (::chown(QFile::encodeName(path).constData(), kOtherUser, kOtherUser) != 0)
                GTEST_SKIP() << "changing an owner needs root";
        QFile file(current + "/obr_deti/DATA_1.jpg");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        theirs = file.readAll();
    });
    if (theirs.isEmpty())
        GTEST_SKIP() << "changing an owner needs root";
    EXPECT_THAT(rig.sink.messages, ElementsAre("Chyba adresáře obr_deti"));
    for (int index = 0; index < kCellCount; ++index)
        EXPECT_FALSE(rig.main().GameBoard()->pictureCell(index)->hasPicture()) << index;
    EXPECT_THAT(QDir(rig.currentFolder() + "/obr_deti").entryList(QDir::Files),
                ElementsAre("DATA_1.jpg"));
    rig.main().close();
    QFile file(rig.currentFolder() + "/obr_deti/DATA_1.jpg");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "their picture stays";
    EXPECT_EQ(file.readAll(), theirs);
}

// A picture folder that is a symbolic link (say to a folder of the user's own, where a portable
// copy was started in a shared folder) is not followed: nothing is written into the folder it
// points to, taken from it or removed from it. The program goes on with the text board.
TEST(MainWindowStartUp, APictureFolderThatIsALinkIsNotFollowed)
{
    QString target;
    const QByteArray drawing = "the user's own drawing";
    ProgramRig rig([&](const QString &current, const QString &) {
        target = current + "/Dokumenty";
        ASSERT_TRUE(QDir(target).mkpath("."));
        for (const QString &name : {QStringLiteral("DATA_3.jpg"), QStringLiteral("dopis.txt")}) {
            QFile file(target + '/' + name);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(drawing) == drawing.size());
        }
        ASSERT_TRUE(QFile::link(target, current + "/obr_deti"));
    });
    EXPECT_THAT(rig.sink.messages, ElementsAre("Chyba adresáře obr_deti"));
    EXPECT_TRUE(rig.main().GameBoard()->textPanel()->isVisibleTo(&rig.main()));
    for (int index = 0; index < kCellCount; ++index)
        EXPECT_FALSE(rig.main().GameBoard()->pictureCell(index)->hasPicture()) << index;
    rig.main().close();

    EXPECT_TRUE(QFileInfo(rig.currentFolder() + "/obr_deti").isSymLink());
    EXPECT_THAT(QDir(target).entryList(QDir::Files), ElementsAre("DATA_3.jpg", "dopis.txt"));
    QFile picture(target + "/DATA_3.jpg");
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    EXPECT_EQ(picture.readAll(), drawing);
}

// Prepares the program folder with one results file in its data folder.
void WithOneSavedTest(const QString &, const QString &program)
{
    ASSERT_TRUE(QDir(program).mkpath("data"));
    QFile saved(program + "/data/Eva 2024_03_04 10_00.mem");
    ASSERT_TRUE(saved.open(QIODevice::WriteOnly));
    saved.write(QByteArray(16016, '\0'));
}

// A copy killed while saving left the whole test in a hidden temporary file: the next start
// gives it its name, so the archive lists it.
TEST(MainWindowStartUp, ATestWhoseSaveWasCutShortGetsItsNameBeforeTheArchiveLists)
{
    const QString saved = QStringLiteral("Eva 2024_03_01 08_00.mem");
    ProgramRig rig([&](const QString &, const QString &program) {
        ASSERT_TRUE(QDir(program).mkdir("data"));
        QFile left(program + "/data/." + saved + ".q7Xr2B.tmp");
        QByteArray bytes(16016, '\0');
        bytes[0] = 4;
        ASSERT_TRUE(left.open(QIODevice::WriteOnly) && left.write(bytes) == bytes.size());
        // Untouched for a while: no save is about to name it.
        ASSERT_TRUE(left.flush());
        ASSERT_TRUE(left.setFileTime(QDateTime::currentDateTime().addSecs(-90),
                                     QFileDevice::FileModificationTime));
    });
    EXPECT_THAT(QDir(rig.dataFolder()).entryList(QDir::Files | QDir::Hidden), ElementsAre(saved));
    EXPECT_THAT(rig.archiveRowsAfterArchiv(), ElementsAre("Eva | 2024_03_01 08_00.mem | " + saved));
    EXPECT_EQ(testing::ReadResultsFile(rig.dataFolder() + '/' + saved)[0].length, 4);
    EXPECT_THAT(rig.sink.messages, IsEmpty());
}

// The first frame shows the window as it will stay; what it does not show (the pictures,
// the archive, the chart and the sounds) follows right after it, before the user can act.
TEST(MainWindowStartUp, ShowsTheFirstFrameThenCompletesTheRestBeforeTheUserActs)
{
    ProgramRig rig(WithOneSavedTest, {}, {}, RigStartUp{.completeAtOnce = false});
    MainWindow &main = rig.main();
    EXPECT_FALSE(QFileInfo::exists(rig.currentFolder() + "/obr_deti")) << "not before the frame";

    rig.program().Show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return main.StartUpComplete(); }));

    for (int index = 0; index < kCellCount; ++index)
        EXPECT_TRUE(main.GameBoard()->pictureCell(index)->hasPicture()) << index;
    EXPECT_NE(main.Sounds(), nullptr);
    // The first "Archiv" shows the list at once.
    EXPECT_THAT(rig.archiveRowsAfterArchiv(),
                ElementsAre("Eva | 2024_03_04 10_00.mem | Eva 2024_03_04 10_00.mem"));
    rig.action("Konec1")->trigger(); // "Výsledky"
    EXPECT_TRUE(rig.program().Chart().isVisible());
    EXPECT_THAT(rig.sink.errors, IsEmpty());
}

TEST(MainWindowStartUp, WindowClosedBeforeItsFirstFrameLeavesNoPicturesBehind)
{
    ProgramRig rig({}, {}, {}, RigStartUp{.completeAtOnce = false});
    rig.program().Show();
    rig.main().close();
    rig.program().CompleteStartUp(); // as a first frame that came too late
    QTest::qWait(20);
    EXPECT_FALSE(rig.main().StartUpComplete());
    EXPECT_FALSE(QFileInfo::exists(rig.currentFolder() + "/obr_deti"));
    EXPECT_TRUE(QFileInfo::exists(rig.programFolder() + "/Vorlant.ini"));
}

// A user quick enough to ask for a test before the start-up has completed gets it as later.
TEST(MainWindowStartUp, StartBeforeTheStartUpHasCompletedOpensTheNameDialog)
{
    for (const char *start : {"_start", "Start1"}) {
        SCOPED_TRACE(start);
        ProgramRig rig({}, {}, {}, RigStartUp{.completeAtOnce = false});
        rig.startWithName(
            [&] {
                if (std::string_view(start) == "_start")
                    rig.button("_start")->click();
                else
                    rig.action("Start1")->trigger();
            },
            "Eva");
        EXPECT_TRUE(rig.main().StartUpComplete());
        EXPECT_THAT(rig.runningTimers(), ElementsAre("_1"));
    }
}

// The program's own chart window, progress window and sound player come from the module
// beside it; the archive window, part of the program itself, opens a person's progress from it.
TEST(MainWindowStartUp, TheModuleBesideTheProgramGivesTheChartTheProgressAndTheSounds)
{
    ProgramRig rig(WithOneSavedTest, {}, {},
                   RigStartUp{.late = LoadedLateParts({VORLANT_LATE_MODULE_DIR})});
    ASSERT_NE(rig.main().Sounds(), nullptr);
    rig.action("Konec1")->trigger(); // "Výsledky"
    EXPECT_TRUE(rig.program().Chart().isVisible());

    rig.action("Archiv1")->trigger();
    auto *list = rig.main().findChild<QTableWidget *>("SG1");
    ASSERT_NE(list, nullptr);
    list->setCurrentCell(0, 0);
    Find<QAction>(*list->window(), "progressOfPerson")->trigger();

    // The module's own copy of the class: found by name, not by type.
    const auto *progress = list->window()->findChild<QMainWindow *>("progressWindow");
    ASSERT_NE(progress, nullptr);
    EXPECT_TRUE(progress->isVisible());
    EXPECT_THAT(rig.sink.errors, IsEmpty());
}

// Without its module, or with a module of another build, the program says so once, by the
// file's name, with the reason and all that is missing, and everything that needs no chart
// works: pictures, the archive's list, its CSV export, a test and its save.
struct UnusableModule
{
    const char *folder;
    const char *reason;
};

void PrintTo(const UnusableModule &module, std::ostream *out)
{
    *out << module.folder;
}

class ModuleUnusable : public ::testing::TestWithParam<UnusableModule>
{};

TEST_P(ModuleUnusable, OneMessageNamesTheFileAndWhyAndTheRestOfTheProgramWorks)
{
    const QString folder = QString::fromUtf8(GetParam().folder);
    ProgramRig rig(WithOneSavedTest, {}, {},
                   RigStartUp{.late = LoadedLateParts({folder}), .completeAtOnce = false});
    bool startedWhenShown = false; // the message waits for the rest of the start-up
    rig.sink.onError = [&] {
        startedWhenShown = QFileInfo(rig.dataFolder()).isDir() &&
                           QFileInfo::exists(rig.currentFolder() + "/obr_deti/DATA_42.jpg");
    };
    rig.program().CompleteStartUp();
    ASSERT_EQ(rig.sink.errors.size(), 1u);
    EXPECT_TRUE(startedWhenShown);
    EXPECT_THAT(rig.sink.errors[0],
                HasSubstr(QDir(folder).filePath("libvorlant_late.so").toStdString()));
    EXPECT_THAT(rig.sink.errors[0], HasSubstr(GetParam().reason));
    EXPECT_THAT(rig.sink.errors[0],
                HasSubstr("Grafy, vývoj výsledků, přehled osob a zvuky nejsou k dispozici."));
    EXPECT_EQ(rig.main().Sounds(), nullptr);

    EXPECT_THAT(rig.archiveRowsAfterArchiv(),
                ElementsAre("Eva | 2024_03_04 10_00.mem | Eva 2024_03_04 10_00.mem"));
    auto *archive = rig.main().findChild<ArchiveWindow *>();
    ASSERT_NE(archive, nullptr);
    EXPECT_FALSE(Find<QAction>(*archive, "progressOfPerson")->isEnabled());
    EXPECT_FALSE(Find<QAction>(*archive, "overviewOfPersons")->isEnabled());
    auto *list = Find<QTableWidget>(*archive, "SG1");
    list->setCurrentCell(0, 0);
    emit list->cellDoubleClicked(0, 0); // loads; there is no chart to show it
    const QString csv = rig.currentFolder() + "/pokusy.csv";
    archive->SetSaveFileChooser([&](QWidget *, const QString &) { return csv; });
    Find<QAction>(*archive, "exportCsv")->trigger();
    EXPECT_GT(QFileInfo(csv).size(), 0);

    rig.startWithName([&] { rig.button("_start")->click(); }, "Jan");
    rig.click(rig.showRound().at(0));
    rig.button("_Konec")->click();
    EXPECT_EQ(QDir(rig.dataFolder()).entryList({"Jan *.mem"}, QDir::Files).size(), 1);
    EXPECT_EQ(rig.sink.errors.size(), 1u) << "nothing more is reported";
}

INSTANTIATE_TEST_SUITE_P(
    MainWindowStartUp, ModuleUnusable,
    ::testing::Values(UnusableModule{"/nonexistent", "chybí."},
                      // the same version of the program, another build of it
                      UnusableModule{VORLANT_STALE_MODULE_DIR,
                                     "patří k jinému sestavení programu (" VORLANT_VERSION "+"}));

// A file the loader refuses is named with the loader's own reason; the next place is tried.
TEST(MainWindowStartUp, AModuleTheLoaderRefusesIsNamedWithItsReasonAndTheNextPlaceIsTried)
{
    QTemporaryDir broken;
    QFile module(broken.filePath("libvorlant_late.so"));
    ASSERT_TRUE(module.open(QIODevice::WriteOnly));
    module.write(QByteArray(4096, 'x'));
    module.close();
    {
        ProgramRig rig(WithOneSavedTest, {}, {},
                       RigStartUp{.late = LoadedLateParts({broken.path()})});
        ASSERT_EQ(rig.sink.errors.size(), 1u);
        EXPECT_THAT(rig.sink.errors[0], HasSubstr("Soubor " + module.fileName().toStdString() +
                                                  " nelze zavést: invalid ELF header"));
        EXPECT_EQ(rig.main().Sounds(), nullptr);
    }
    ProgramRig rig(WithOneSavedTest, {}, {},
                   RigStartUp{.late = LoadedLateParts({broken.path(), VORLANT_LATE_MODULE_DIR})});
    EXPECT_THAT(rig.sink.errors, IsEmpty());
    EXPECT_NE(rig.main().Sounds(), nullptr);
    rig.action("Konec1")->trigger(); // "Výsledky"
    EXPECT_TRUE(rig.program().Chart().isVisible());
}

// Runs quit, which asks whether to end the test under way, and gives answer.
void AnswerQuitQuestion(const std::function<void()> &quit, const QString &answer)
{
    WhileModal(quit, [&](QWidget &box) {
        if (auto *button = ButtonWithText(box, answer))
            button->click();
    });
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
             rig.click(testing::OtherCell(first)); // wrong: the attempt ends
             rig.fire("_2");
         }},
    };
    bool byMenu = false; // the close box and "Konec" in turn
    for (const auto &state : states) {
        SCOPED_TRACE(state.running);
        ProgramRig rig;
        rig.main().show();
        rig.startWithName([&] { rig.button("_start")->click(); }, "Eva");
        state.reach(rig);
        ASSERT_THAT(rig.runningTimers(), ElementsAre(state.running));
        byMenu = !byMenu;
        AnswerQuitQuestion(
            [&] { byMenu ? rig.action("Konec2")->trigger() : void(rig.main().close()); }, "Ano");
        EXPECT_FALSE(rig.main().isVisible());
        EXPECT_THAT(rig.runningTimers(), IsEmpty());
    }
}

TEST(MainWindowShutDown, SettingsThatCannotBeWrittenAreReportedAndTheWindowClosesAnyway)
{
    ProgramRig rig([](const QString &, const QString &program) {
        ASSERT_TRUE(QDir(program).mkdir("Vorlant.ini"));
    });
    rig.main().show();
    EXPECT_TRUE(rig.main().close());
    const std::string path = rig.programFolder().toStdString() + "/Vorlant.ini";
    EXPECT_THAT(rig.sink.errors,
                ElementsAre("Unable to write to " + path + ".\nNa tom místě je složka."));
    EXPECT_FALSE(rig.main().isVisible());
    EXPECT_FALSE(QFileInfo::exists(rig.currentFolder() + "/obr_deti"));
}

} // namespace
} // namespace vorlant
