#include "results/archive_directory_edit.h"
#include "results/chart_attempts.h"
#include "results/progress_chart.h"
#include "results/progress_window.h"
#include "tests/results/archive_rig.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QSet>
#include <QToolButton>

namespace vorlant {
namespace {

// A log of `attempts` records of length `length`, so files can be told apart once loaded.
LogRecords LogOfLength(int length, int attempts = 3)
{
    LogRecords log{};
    for (int i = 0; i < attempts; ++i)
        log[i] = {length, i % 2 == 0, 1000 + i};
    return log;
}

const QString kNovakJan5 = QStringLiteral("Novák Jan 2024_03_05 09_07.mem");
const QString kAdamPetr = QStringLiteral("Adam Petr 2024_03_04 10_00.mem");
const QString kNovakJan6 = QStringLiteral("Novák Jan 2024_03_06 08_15.mem");
const QString kNovakovaJana = QStringLiteral("Nováková Jana 2024_03_08 12_00.mem");
const QString kBeranKarel = QStringLiteral("Beran Karel 2024_04_01 07_45.mem");

const QString kCannotCreate = QStringLiteral("warning Warning: Složku nelze vytvořit");
const QString kCreated = QStringLiteral("information Information: Složka je vytvořena");

// The archive over the folder "data" below the rig's folder, its notices recorded.
class ArchiveWindowTest : public test::ArchiveRig
{
protected:
    void SetUp() override
    {
        MakeFolder(data);
        store.SetDataDirectory(data.toStdString());
        window.SetNoticeBox(
            [this](ArchiveWindow::NoticeKind kind, const QString &caption, const QString &text) {
                const bool warning = kind == ArchiveWindow::NoticeKind::Warning;
                notices << (warning ? "warning " : "information ") + caption + ": " + text;
            });
    }

    // Results files of length 4 in a folder below the rig's folder.
    void WriteFiles(const QString &folder, std::initializer_list<QString> names)
    {
        for (const QString &name : names)
            WriteResults(folder + '/' + name, LogOfLength(4));
    }
    static void MakeFolder(const QString &path) { ASSERT_TRUE(QDir().mkpath(path)); }
    template <typename T> T &Child(const char *name) { return *window.findChild<T *>(name); }
    DirectoryEdit &DE() { return Child<DirectoryEdit>("DE"); }

    bool ListIsOneEmptyRow() { return Column(0) + Column(1) + Column(2) == QStringList(3, ""); }
    QStringList Choices()
    {
        QStringList choices;
        for (int i = 0; i < CB1().count(); ++i)
            choices << CB1().itemText(i);
        return choices;
    }
    void ShowWindow()
    {
        window.ShowArchive();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    // Picks a choice the way a user does: opens the list and clicks it.
    void PickChoice(const QString &choice)
    {
        CB1().showPopup();
        QAbstractItemView *view = CB1().view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QRect cell = view->visualRect(view->model()->index(CB1().findText(choice), 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // Opens the new-folder box from the list's context menu, types the name and confirms.
    void CreateFolder(const QString &name)
    {
        QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, SG1().mapToGlobal(QPoint()));
        QApplication::sendEvent(SG1().viewport(), &event);
        QMenu &popup = Child<QMenu>("PopupMenu1");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
        QTest::mouseClick(&popup, Qt::LeftButton, {},
                          popup.actionGeometry(popup.actions()[0]).center());
        ASSERT_TRUE(NewFolderBoxShown());
        QLineEdit &adr = Child<QLineEdit>("_adr");
        EXPECT_TRUE(adr.hasFocus());
        adr.clear(); // the box keeps what was typed last time
        QTest::keyClicks(&adr, name);
        QTest::keyClick(&adr, Qt::Key_Return);
    }
    bool NewFolderBoxShown() { return Child<QGroupBox>("GB1").isVisible(); }

    QStringList notices;
    const QString data = Path("data");
};

TEST_F(ArchiveWindowTest, ThreeFilesAreSortedByPersonWithTheirTimesAndOfferEachSurname)
{
    WriteFiles("data", {kNovakJan5, kAdamPetr, kNovakJan6});

    window.SetDirectory(data);

    EXPECT_EQ(Column(0), (QStringList{"Adam Petr", "Novák Jan", "Novák Jan"}));
    // The two files of Novák Jan in time order, oldest first.
    EXPECT_EQ(Column(2), (QStringList{kAdamPetr, kNovakJan5, kNovakJan6}));
    EXPECT_EQ(Choices(), (QStringList{"*", "Adam", "Novák"}));

    // With one surname only, that surname becomes the filter.
    const QString other = Path("other");
    MakeFolder(other);
    WriteFiles("other", {kNovakJan5, "Novák Eva 2024_03_07 11_30.mem"});
    window.SetDirectory(other);
    EXPECT_EQ(CB1().currentIndex(), 1);
    EXPECT_EQ(CB1().currentText(), "Novák");
}

TEST_F(ArchiveWindowTest, TheUsersFilterRefillsTheListAndTheProgramsChangesDoNot)
{
    WriteFiles("data", {kNovakJan5, kNovakovaJana, kAdamPetr});
    window.SetDirectory(data);
    ShowWindow();
    ASSERT_EQ(Choices(), (QStringList{"*", "Adam", "Novák", "Nováková"}));

    CB1().setEditText("Zz");
    CB1().addItem("Zz");
    CB1().setCurrentIndex(2);
    CB1().setCurrentIndex(4);
    EXPECT_EQ(Column(2), (QStringList{kAdamPetr, kNovakJan5, kNovakovaJana}));

    // Novák lists Nováková's file too; the choices are rebuilt from the shown rows.
    PickChoice("Novák");
    EXPECT_EQ(Column(2), (QStringList{kNovakJan5, kNovakovaJana}));
    EXPECT_EQ(Choices(), (QStringList{"*", "Novák", "Nováková"}));

    // Typing a filter that matches nothing keeps the typed text and the old choices.
    CB1().lineEdit()->clear();
    QTest::keyClicks(CB1().lineEdit(), "Zz");
    EXPECT_TRUE(ListIsOneEmptyRow());
    EXPECT_EQ(CB1().currentText(), "Zz");
    EXPECT_EQ(Choices(), (QStringList{"*", "Novák", "Nováková"}));
}

TEST_F(ArchiveWindowTest, BrowsingListsTheOtherFolderAndOpensTheFileAnEditedNameNames)
{
    const QString other = Path("other");
    MakeFolder(other);
    WriteFiles("data", {kAdamPetr, kNovakJan5});
    WriteResults("other/" + kAdamPetr, LogOfLength(5));
    WriteResults("other/" + kBeranKarel, LogOfLength(6, 4));
    window.SetDirectory(data);
    ShowWindow();
    PickChoice("Adam");
    QString startedAt;
    DE().SetFolderChooser([&](QWidget *, const QString &start) {
        startedAt = start;
        return other;
    });

    QTest::mouseClick(DE().BrowseButton(), Qt::LeftButton);

    EXPECT_EQ(startedAt, data);
    EXPECT_EQ(DE().text(), other);
    EXPECT_EQ(Column(2), (QStringList{kAdamPetr, kBeranKarel}));
    EXPECT_EQ(CB1().currentText(), "*");

    // Rename the first row's file in place, then double-click that current cell.
    SG1().setCurrentCell(0, 2);
    QTest::keyClick(SG1().viewport(), Qt::Key_F2);
    auto *editor = SG1().viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, kBeranKarel);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits the edit from the event loop
    ASSERT_EQ(Column(2)[0], kBeranKarel);
    DoubleClickCell(0, 2);
    QTest::qWait(QApplication::doubleClickInterval() + 100);

    const auto *reopened = SG1().viewport()->findChild<QLineEdit *>();
    EXPECT_TRUE(!reopened || !reopened->isVisible()) << "the double-click opened an editor";
    EXPECT_EQ(store.ViewedLog(), LogOfLength(6, 4));
    EXPECT_EQ(chart.Chart().Bars().size(), 4u);
    Child<QAction>("Otevt1").trigger();
    EXPECT_EQ(Column(2)[0], kAdamPetr) << "edits last only until the next fill";
    ASSERT_TRUE(store.SaveResults(LogOfLength(2), "Dvořák Jiří"));
    EXPECT_TRUE(QFile::exists(data + "/Dvořák Jiří 2024_05_06 07_08.mem"));
}

TEST_F(ArchiveWindowTest, ANewFolderBecomesTheDataDirectoryWhoseEmptyRowCannotBeOpened)
{
    WriteResults("data/" + kAdamPetr, LogOfLength(7));
    WriteFiles("data", {kNovakJan5});
    window.SetDirectory(data);
    ShowWindow();
    DoubleClickCell(0, 0);
    ASSERT_EQ(store.ViewedLog(), LogOfLength(7));

    CreateFolder("2024");

    const QString created = data + "/2024";
    EXPECT_TRUE(QFileInfo(created).isDir());
    EXPECT_EQ(notices, QStringList{kCreated});
    EXPECT_EQ(store.DataDirectory(), created.toStdString());
    EXPECT_TRUE(ListIsOneEmptyRow());

    DoubleClickCell(0, 1);
    EXPECT_EQ(sink.messages, std::vector<std::string>{"Soubor " + created.toStdString() +
                                                      "/ nelze načíst\nNa tom místě je složka."});
    EXPECT_TRUE(chart.isVisible());
    ASSERT_EQ(chart.Chart().Bars().size(), 3u); // the ViewedLog as it stood
    EXPECT_EQ(chart.Chart().Bars().front().height, 7);

    ASSERT_TRUE(store.SaveResults(LogOfLength(2), "Dvořák Jiří"));
    EXPECT_TRUE(QFile::exists(created + "/Dvořák Jiří 2024_05_06 07_08.mem"));
}

TEST_F(ArchiveWindowTest, AFolderThatCannotBeCreatedIsWarnedOfAndChangesNothingElse)
{
    MakeFolder(data + "/2024");
    WriteFiles("data", {"plain-file", kAdamPetr});
    ShowWindow();
    const struct
    {
        QString shown, newName;
    } cases[] = {{data, "2024"},                 // exists
                 {data + "/plain-file", "2024"}, // below a regular file
                 {data + "/missing", "2024"},    // parent missing
                 {data, ""},                     // no name
                 {data, "new/2024"}};            // two levels
    for (const auto &c : cases) {
        SCOPED_TRACE((c.shown + " + " + c.newName).toStdString());
        window.SetDirectory(c.shown);
        const QStringList files = Column(2);
        notices.clear();

        CreateFolder(c.newName);

        EXPECT_EQ(notices, QStringList{kCannotCreate});
        EXPECT_FALSE(NewFolderBoxShown());
        EXPECT_EQ(store.DataDirectory(), data.toStdString());
        EXPECT_EQ(DE().text(), c.shown);
        EXPECT_EQ(Column(2), files);
    }
}

// An empty results file is a save that has claimed its name and is still writing the file:
// the list, a person's progress and the export leave it out without a word.
TEST_F(ArchiveWindowTest, AnEmptyResultsFileIsASaveInProgressThatNoWindowReports)
{
    WriteFiles("data", {kNovakJan5});
    WriteBytes("data/" + kNovakJan6, "");
    WriteBytes("data/" + kAdamPetr, "");
    // The saves' temporary files, which they rename over their names last.
    WriteBytes("data/." + kNovakJan6 + ".Ab12Cd.tmp", "x");
    WriteBytes("data/." + kAdamPetr + ".Ef34Gh.tmp", "x");
    window.SetDirectory(data);
    ShowWindow();
    EXPECT_EQ(Column(2), QStringList{kNovakJan5});
    EXPECT_EQ(CB1().currentText(), "Novák");

    ClickRow(0);
    ClickFileMenu("Vývoj výsledků");
    const ProgressWindow *progress = window.findChild<ProgressWindow *>();
    ASSERT_NE(progress, nullptr);
    EXPECT_EQ(progress->Chart().Tests().size(), 1u);

    // The export reads the files the list shows; one emptied since is left out too.
    WriteResults("data/" + kNovakJan6, LogOfLength(5));
    window.FillArchiveList();
    ASSERT_EQ(Column(2).size(), 2);
    WriteBytes("data/" + kNovakJan6, "");
    const QString csv = Path("export.csv");
    window.SetSaveFileChooser([&](QWidget *, const QString &) { return csv; });
    ClickFileMenu("Export do CSV…");
    QFile exported(csv);
    ASSERT_TRUE(exported.open(QIODevice::ReadOnly));
    EXPECT_EQ(exported.readAll().count('\n'), 1 + 3) << "the header and the whole file's attempts";
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace vorlant
