#include "archive_rig.h"
#include "modal_answers.h"
#include "tests/app/gui_test_helpers.h"
#include "tests/support/scoped_environment.h"

#include "results/overview_model.h"
#include "results/overview_window.h"
#include "results/person_rename_dialog.h"
#include "results/progress_window.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QTableView>
#include <QTranslator>
#include <QUrl>

#include <set>

namespace vorlant {
namespace {

using test::kLogA;
using test::kLogB;
using test::MakeLog;

// A question answered with the button of that text, its text and default button kept.
struct Question
{
    QString text;
    QString defaultButton;

    test::ModalAnswers::Action Answer(const QString &button)
    {
        return [this, button](QWidget &window) {
            auto &box = dynamic_cast<QMessageBox &>(window);
            text = box.text();
            defaultButton = box.defaultButton() ? box.defaultButton()->text() : QString();
            ButtonWithText(box, button)->click();
        };
    }
};

// The rename dialog as the user saw it, and typing a new name into it.
struct RenameDialog
{
    QString current;
    QString tests;
    QString note;
    QString button;

    // Types name over the current one, then clicks the button (or, with cancel, "Zrušit").
    test::ModalAnswers::Action Type(const QString &name, bool cancel = false,
                                    const std::function<void()> &meanwhile = {})
    {
        return [=, this](QWidget &window) {
            auto &dialog = dynamic_cast<PersonRenameDialog &>(window);
            current = dialog.findChild<QLabel *>("currentName")->text();
            QLineEdit *edit = dialog.findChild<QLineEdit *>("newName");
            tests = dialog.findChild<QLabel *>("testCount")->text();
            edit->selectAll();
            // Key by key, letters with diacritics too.
            for (const QChar c : name)
                QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_A, QString(c), Qt::NoModifier);
            auto *mergeNote = dialog.findChild<QLabel *>("mergeNote");
            note = mergeNote->isVisible() ? mergeNote->text() : QString();
            auto *rename = dialog.findChild<QPushButton *>("renameButton");
            button = rename->text();
            if (meanwhile)
                meanwhile();
            QTest::mouseClick(cancel ? ButtonWithText(dialog, "Zrušit") : rename, Qt::LeftButton);
        };
    }
};

class PersonCommandsTest : public test::ArchiveRig
{
protected:
    // The trash and the user's folders lie in a home of the test's own, on the files' device.
    PersonCommandsTest()
    {
        QDir::setCurrent(current.path());
        EXPECT_TRUE(czechPlurals.load(VORLANT_CZECH_PLURALS));
        QCoreApplication::installTranslator(&czechPlurals);
    }
    ~PersonCommandsTest() override
    {
        QCoreApplication::removeTranslator(&czechPlurals);
        QDir::setCurrent(startFolder);
    }

    void Write(const QStringList &names, const LogRecords &log = kLogA)
    {
        for (const QString &name : names)
            WriteResults(name, log);
    }
    // Makes the first row of person the current one.
    void SelectPerson(const QString &person)
    {
        const int row = static_cast<int>(Column(0).indexOf(person));
        ASSERT_GE(row, 0) << person.toStdString();
        ClickRow(row);
    }
    void ShowOverviewAndProgressOf(const QString &person)
    {
        ClickFileMenu("Přehled osob");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.Overview()));
        SelectPerson(person);
        ClickFileMenu("Vývoj výsledků");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window.Progress()));
    }
    QStringList OverviewPersons()
    {
        QStringList persons;
        const QAbstractItemModel &shown = *window.Overview().Table().model();
        for (int row = 0; row < shown.rowCount(); ++row)
            persons << shown.index(row, OverviewModel::PersonColumn).data().toString() + " " +
                           shown.index(row, OverviewModel::TestsColumn).data().toString();
        return persons;
    }
    // Runs a command with its dialogs answered; fails when one of them did not come.
    void Run(const std::function<void()> &command, std::vector<test::ModalAnswers::Action> actions)
    {
        const test::ModalAnswers answers(std::move(actions));
        command();
        EXPECT_TRUE(answers.AllAnswered()) << "a dialog did not open";
    }
    QStringList Files() const
    {
        return QDir(root.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    QString TrashFolder() const { return home.filePath("share/Trash"); }
    QStringList Trashed() const
    {
        return QDir(TrashFolder() + "/files").entryList(QDir::Files, QDir::Name);
    }
    QByteArray TrashInfo(const QString &name) const
    {
        QFile info(TrashFolder() + "/info/" + name + ".trashinfo");
        return info.open(QIODevice::ReadOnly) ? info.readAll() : QByteArray();
    }
    QByteArray Bytes(const QString &path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QByteArray BytesOf(const LogRecords &log) const
    {
        const std::string block = test::Block(log);
        return QByteArray(block.data(), static_cast<qsizetype>(block.size()));
    }

    QTranslator czechPlurals; // "2 testy", as the program says it
    QTemporaryDir home;
    QTemporaryDir current; // the current folder, which nothing may reach
    const QString startFolder = QDir::currentPath();
    test::ScopedEnvironment homeVariable{"HOME", home.path()};
    test::ScopedEnvironment dataHome{"XDG_DATA_HOME", home.filePath("share")};
    test::ScopedEnvironment configHome{"XDG_CONFIG_HOME", home.filePath("config")};
};

TEST_F(PersonCommandsTest, RenamingIntoAnotherPersonSaysSoMergesKeepingTimesAndEveryWindowShowsIt)
{
    Write({"Novak Jan 2024_03_05 09_07.mem"}, kLogB);
    Write({"Novak Jan 2024_03_06 10_00.mem", "Novák Jan 2024_03_05 09_07.mem",
           "Novák Jan 2024_03_01 08_00.mem", "Adam Petr 2024_03_01 08_00.mem"});
    ShowArchive();
    ShowOverviewAndProgressOf("Novak Jan");
    SelectPerson("Novak Jan");

    RenameDialog dialog;
    Run([&] { ClickFileMenu("Přejmenovat osobu…"); }, {dialog.Type("Novák Jan")});

    EXPECT_EQ(dialog.current, "Novak Jan");
    EXPECT_EQ(dialog.tests, "2");
    EXPECT_EQ(dialog.note, "Osoba „Novák Jan“ už má 2 testy. Testy se spojí.");
    EXPECT_EQ(dialog.button, "Spojit");
    EXPECT_EQ(Files(),
              (QStringList{"Adam Petr 2024_03_01 08_00.mem", "Novák Jan (2) 2024_03_05 09_07.mem",
                           "Novák Jan 2024_03_01 08_00.mem", "Novák Jan 2024_03_05 09_07.mem",
                           "Novák Jan 2024_03_06 10_00.mem"}));
    EXPECT_EQ(Bytes(Path("Novák Jan (2) 2024_03_05 09_07.mem")), BytesOf(kLogB))
        << "moved under the next free name, nothing replaced";
    EXPECT_EQ(Column(0),
              (QStringList{"Adam Petr", "Novák Jan", "Novák Jan", "Novák Jan", "Novák Jan (2)"}));
    EXPECT_EQ(OverviewPersons(), (QStringList{"Adam Petr 1", "Novák Jan 4"}));
    EXPECT_TRUE(window.Progress().isVisible());
    EXPECT_EQ(window.Progress().windowTitle(), "Vývoj výsledků – Novák Jan");
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PersonCommandsTest, TheNameFollowsTheNameDialogsRulesAndTheCommandsSitInEveryMenu)
{
    Write({"Adam Petr 2024_03_01 08_00.mem", "Adam Petr (2) 2024_03_01 08_00.mem",
           "Cibulka Ivo 2024_03_01 08_00.mem"});
    ShowArchive();

    // An empty name is refused as the name dialog refuses it; cancelling changes nothing.
    SelectPerson("Adam Petr");
    RenameDialog refused;
    Run([&] { ClickFileMenu("Přejmenovat osobu…"); }, {[&](QWidget &dialog) {
            dialog.findChild<QLineEdit *>("newName")->clear();
            QTest::mouseClick(dialog.findChild<QPushButton *>("renameButton"), Qt::LeftButton);
            EXPECT_TRUE(dialog.isVisible());
            refused.Type("Eva", true)(dialog);
        }});
    EXPECT_EQ(sink.messages, std::vector<std::string>{"Nelze zadat prázdné jméno"});
    EXPECT_EQ(Column(0), (QStringList{"Adam Petr", "Adam Petr (2)", "Cibulka Ivo"}));

    // The list's context menu: a "/" cannot stand in a file name, a name is 20 characters at most.
    SelectPerson("Adam Petr");
    const QPoint centre = CellCentre(0, 1);
    QContextMenuEvent event(QContextMenuEvent::Mouse, centre,
                            SG1().viewport()->mapToGlobal(centre));
    RenameDialog fromPopup;
    Run(
        [&] {
            QApplication::sendEvent(SG1().viewport(), &event);
            QMenu &popup = *window.findChild<QMenu *>("PopupMenu1");
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
            const QList<QAction *> items = popup.actions();
            const auto item = *std::find_if(items.begin(), items.end(), [](QAction *action) {
                return action->text() == "Přejmenovat osobu…";
            });
            QTest::mouseClick(&popup, Qt::LeftButton, {}, popup.actionGeometry(item).center());
        },
        {fromPopup.Type("Adam/Pavel Petr Pavel Petr")});
    EXPECT_EQ(fromPopup.button, "Přejmenovat");
    EXPECT_EQ(Column(2), (QStringList{"Adam_Pavel Petr Pave 2024_03_01 08_00.mem",
                                      "Adam_Pavel Petr Pave (2) 2024_03_01 08_00.mem",
                                      "Cibulka Ivo 2024_03_01 08_00.mem"}));

    // The overview's "Soubor", for the selected row.
    ClickFileMenu("Přehled osob");
    OverviewWindow &overview = window.Overview();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&overview));
    QTableView &table = overview.Table();
    const int cibulka = static_cast<int>(OverviewPersons().indexOf("Cibulka Ivo 1"));
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {},
                      table.visualRect(table.model()->index(cibulka, 1)).center());
    RenameDialog fromOverview;
    Run([&] { test::ClickMenuItem(overview, "Soubor", "Přejmenovat osobu…"); },
        {fromOverview.Type("Cibulková Iva")});
    EXPECT_EQ(fromOverview.current, "Cibulka Ivo");
    EXPECT_EQ(OverviewPersons(), (QStringList{"Adam_Pavel Petr Pave 2", "Cibulková Iva 1"}));
    EXPECT_EQ(Column(0).last(), "Cibulková Iva") << "the archive shows it at once";
}

TEST_F(PersonCommandsTest, AFileThatCannotBeRenamedIsNamedOnceAndTheOthersAreRenamed)
{
    Write({"Hora Petr 2024_01_01 08_00.mem", "Hora Petr 2024_01_02 08_00.mem",
           "Hora Petr 2024_01_03 08_00.mem"});
    ShowArchive();
    SelectPerson("Hora Petr");

    RenameDialog dialog;
    Run([&] { ClickFileMenu("Přejmenovat osobu…"); }, {dialog.Type("Horák Petr", false, [&] {
            // Another computer takes one of the files away meanwhile.
            QFile::remove(Path("Hora Petr 2024_01_02 08_00.mem"));
        })});

    EXPECT_EQ(sink.messages,
              std::vector<std::string>{
                  "Tyto soubory nelze přejmenovat:\nHora Petr 2024_01_02 08_00.mem"});
    EXPECT_EQ(Files(),
              (QStringList{"Horák Petr 2024_01_01 08_00.mem", "Horák Petr 2024_01_03 08_00.mem"}));
}

TEST_F(PersonCommandsTest, DeletingAsksWithNoAsDefaultThenMovesEveryFileToTheTrash)
{
    Write({"Novák Jan 2024_03_05 09_07.mem", "Novák Jan (2) 2024_03_05 09_07.mem",
           "Novák Jan 2024_03_06 10_00.mem", "Adam Petr 2024_03_01 08_00.mem"});
    ShowArchive();
    ShowOverviewAndProgressOf("Novák Jan");
    SelectPerson("Novák Jan");

    Question declined;
    Run([&] { ClickFileMenu("Smazat osobu…"); }, {declined.Answer("Ne")});
    EXPECT_EQ(declined.text, "Smazat 3 testy osoby „Novák Jan“? Soubory se přesunou do koše.");
    EXPECT_EQ(declined.defaultButton, "Ne");
    EXPECT_EQ(Files().size(), 4);

    Question confirmed;
    Run([&] { ClickFileMenu("Smazat osobu…"); }, {confirmed.Answer("Ano")});
    EXPECT_EQ(Files(), QStringList{"Adam Petr 2024_03_01 08_00.mem"});
    const QStringList trashed{"Novák Jan (2) 2024_03_05 09_07.mem",
                              "Novák Jan 2024_03_05 09_07.mem", "Novák Jan 2024_03_06 10_00.mem"};
    EXPECT_EQ(Trashed(), trashed);
    for (const QString &name : trashed) {
        EXPECT_EQ(Bytes(TrashFolder() + "/files/" + name), BytesOf(kLogA));
        // The path the file manager restores the file to; Qt 6.4 writes it unescaped.
        const QList<QByteArray> info = TrashInfo(name).split('\n');
        ASSERT_GE(info.size(), 3) << name.toStdString();
        EXPECT_EQ(info[0], "[Trash Info]");
        EXPECT_EQ(QUrl::fromPercentEncoding(info[1]), "Path=" + Path(name));
        EXPECT_TRUE(info[2].startsWith("DeletionDate=")) << info[2].toStdString();
    }
    EXPECT_EQ(Column(0), QStringList{"Adam Petr"});
    EXPECT_EQ(OverviewPersons(), QStringList{"Adam Petr 1"});
    EXPECT_FALSE(window.Progress().isVisible()) << "the deleted person's progress closes";
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(PersonCommandsTest, AFileThatCannotGoToTheTrashIsNamedOnceAndNothingInTheTrashIsReplaced)
{
    Write({"Hora Petr 2024_01_01 08_00.mem", "Hora Petr 2024_01_02 08_00.mem",
           "Hora Petr 2024_01_03 08_00.mem"});
    // Left in the trash by an earlier deletion: the new file takes another name there.
    ASSERT_TRUE(QDir().mkpath(TrashFolder() + "/files"));
    QFile earlier(TrashFolder() + "/files/Hora Petr 2024_01_01 08_00.mem");
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    ShowArchive();
    SelectPerson("Hora Petr");

    Question question;
    Run([&] { ClickFileMenu("Smazat osobu…"); }, {[&](QWidget &box) {
            // Another computer takes one of the files away meanwhile.
            QFile::remove(Path("Hora Petr 2024_01_02 08_00.mem"));
            question.Answer("Ano")(box);
        }});

    EXPECT_EQ(sink.messages, std::vector<std::string>{
                                 "Tyto soubory nelze smazat:\nHora Petr 2024_01_02 08_00.mem"});
    EXPECT_EQ(Files(), QStringList());
    EXPECT_EQ(Bytes(TrashFolder() + "/files/Hora Petr 2024_01_01 08_00.mem"), "earlier");
    EXPECT_EQ(Trashed().size(), 3);
    EXPECT_TRUE(Trashed().contains("Hora Petr 2024_01_03 08_00.mem"));
}

// Where no trash can be made for the folder (here the user's data folder lies below a file),
// moving to the trash would put the files into the current folder; a second question asks
// before they go for good.
TEST_F(PersonCommandsTest, WithoutATrashASecondQuestionSaysTheFilesGoForGood)
{
    QFile plain(home.filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    const test::ScopedEnvironment noData("XDG_DATA_HOME", home.filePath("plain/share"));
    Write({"Hora Petr 2024_01_01 08_00.mem", "Hora Petr 2024_01_02 08_00.mem",
           "Eva 2024_01_02 08_00.mem"});
    ShowArchive();
    SelectPerson("Hora Petr");

    Question first, forGood;
    Run([&] { ClickFileMenu("Smazat osobu…"); }, {first.Answer("Ano"), forGood.Answer("Ne")});
    EXPECT_EQ(forGood.text, "Složka " + root.path() +
                                " nemá koš. Soubory se smažou natrvalo a nepůjde je obnovit. "
                                "Smazat natrvalo 2 testy osoby „Hora Petr“?");
    EXPECT_EQ(forGood.defaultButton, "Ne");
    EXPECT_EQ(Files().size(), 3);

    Run([&] { ClickFileMenu("Smazat osobu…"); }, {first.Answer("Ano"), forGood.Answer("Ano")});
    EXPECT_EQ(Files(), QStringList{"Eva 2024_01_02 08_00.mem"});
    EXPECT_EQ(QDir(current.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList());
    EXPECT_TRUE(sink.messages.empty());
}

// Another copy of the program saving into the shared folder while a command runs.
class SharedFolderTest : public PersonCommandsTest
{
protected:
    void StartSaver(const QString &person, int count)
    {
        saver.setProgram(VORLANT_TEST_SAVER);
        saver.setArguments({root.path(), person, QString::number(count), "100000"});
        saver.start();
        ASSERT_TRUE(saver.waitForReadyRead(10000)) << "the saver did not start";
    }
    void ExpectSaverDone()
    {
        ASSERT_TRUE(saver.waitForFinished(60000));
        EXPECT_EQ(saver.exitCode(), 0) << "a save of the other copy failed";
    }
    // The first attempt's time of every file, which tells the saves apart; -1 for a file
    // that is not whole.
    std::multiset<qint64> Numbers(const QStringList &paths)
    {
        std::multiset<qint64> numbers;
        for (const QString &path : paths) {
            const QByteArray bytes = Bytes(path);
            if (bytes.size() != qsizetype(kResultsFileBytes)) {
                numbers.insert(-1);
                continue;
            }
            numbers.insert(DecodeResults(std::span<const unsigned char, kResultsFileBytes>(
                reinterpret_cast<const unsigned char *>(bytes.data()), kResultsFileBytes))[0]
                               .elapsedMs);
        }
        return numbers;
    }
    std::multiset<qint64> Expected(int own, int saved)
    {
        std::multiset<qint64> numbers;
        for (int n = 0; n < own; ++n)
            numbers.insert(n);
        for (int n = 0; n < saved; ++n)
            numbers.insert(100000 + n);
        return numbers;
    }
    void WriteNumbered(const QString &person, int count)
    {
        for (int n = 0; n < count; ++n)
            WriteResults(QString::fromStdString(
                             ResultsFileName(person.toStdString(), {2024, 3, 5, 9, 7}, n + 1)),
                         MakeLog({{4, true, n}}));
    }

    QProcess saver;
};

TEST_F(SharedFolderTest, RenamingWhileAnotherCopySavesUnderTheNewNameReplacesNoFile)
{
    constexpr int kOwn = 100;
    constexpr int kSaved = 300;
    WriteNumbered("Novak Jan", kOwn);
    ShowArchive();
    SelectPerson("Novak Jan");

    StartSaver("Novák Jan", kSaved);
    RenameDialog dialog;
    Run([&] { ClickFileMenu("Přejmenovat osobu…"); }, {dialog.Type("Novák Jan")});
    ExpectSaverDone();

    QStringList paths;
    for (const QString &name : Files()) {
        EXPECT_TRUE(name.startsWith("Novák Jan")) << name.toStdString();
        paths << Path(name);
    }
    EXPECT_EQ(Numbers(paths), Expected(kOwn, kSaved)) << "every file of both copies, each whole";
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(SharedFolderTest, DeletingWhileAnotherCopySavesTheSamePersonLosesNoNewTest)
{
    constexpr int kOwn = 100;
    constexpr int kSaved = 300;
    WriteNumbered("Novák Jan", kOwn);
    ShowArchive();
    SelectPerson("Novák Jan");

    StartSaver("Novák Jan", kSaved);
    Question question;
    Run([&] { ClickFileMenu("Smazat osobu…"); }, {question.Answer("Ano")});
    ExpectSaverDone();

    // What the list held went to the trash; what the other copy saved is there or there.
    QStringList paths;
    for (const QString &name : Files())
        paths << Path(name);
    for (const QString &name : Trashed())
        paths << TrashFolder() + "/files/" + name;
    EXPECT_EQ(Numbers(paths), Expected(kOwn, kSaved));
    const std::multiset<qint64> trashed = [&] {
        QStringList inTrash;
        for (const QString &name : Trashed())
            inTrash << TrashFolder() + "/files/" + name;
        return Numbers(inTrash);
    }();
    EXPECT_EQ(trashed.count(0), 1u) << "the listed files went to the trash";
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace vorlant
