#include "results/archive_directory_edit.h"
#include "results/archive_window.h"
#include "results/chart_attempts.h"
#include "results/chart_window.h"
#include "results/results_store.h"
#include "tests/results/archive_test_support.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <set>

namespace vorlant {
namespace {

using archive_test::ArchiveFolderTest;
using archive_test::LogOfLength;
using archive_test::RecordingSink;
using Row = std::array<QString, 3>;
using Rows = std::vector<Row>;

const QString kNovakJan5 = QStringLiteral("Novák Jan 2024_03_05 09_07.mem");
const QString kAdamPetr = QStringLiteral("Adam Petr 2024_03_04 10_00.mem");
const QString kNovakJan6 = QStringLiteral("Novák Jan 2024_03_06 08_15.mem");
const QString kNovakEva = QStringLiteral("Novák Eva 2024_03_07 11_30.mem");
const QString kNovakovaJana = QStringLiteral("Nováková Jana 2024_03_08 12_00.mem");
const QString kBeranKarel = QStringLiteral("Beran Karel 2024_04_01 07_45.mem");

struct Notice
{
    ArchiveWindow::NoticeKind kind;
    QString caption;
    QString text;

    friend bool operator==(const Notice &, const Notice &) = default;
    friend void PrintTo(const Notice &n, std::ostream *out)
    {
        *out << (n.kind == ArchiveWindow::NoticeKind::Warning ? "warning " : "information ")
             << n.caption.toStdString() << ": " << n.text.toStdString();
    }
};

const Notice kCannotCreate{ArchiveWindow::NoticeKind::Warning, "Warning", "Složku nelze vytvořit"};
const Notice kCreated{ArchiveWindow::NoticeKind::Information, "Information", "Složka je vytvořena"};

class ArchiveWindowTest : public ArchiveFolderTest
{
protected:
    void SetUp() override
    {
        ArchiveFolderTest::SetUp();
        data = Path("data");
        MakeFolder(data);
        store.SetDataDirectory(data.toStdString());
        window.SetNoticeBox(
            [this](ArchiveWindow::NoticeKind kind, const QString &caption, const QString &text) {
                notices.push_back({kind, caption, text});
            });
    }

    template <typename T> T &Child(const char *name)
    {
        auto *child = window.findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return *child;
    }
    QComboBox &CB1() { return Child<QComboBox>("CB1"); }
    DirectoryEdit &DE() { return Child<DirectoryEdit>("DE"); }
    QTableWidget &SG1() { return Child<QTableWidget>("SG1"); }
    QGroupBox &GB1() { return Child<QGroupBox>("GB1"); }
    QLineEdit &Adr() { return Child<QLineEdit>("_adr"); }
    QAction &Action(const char *name) { return Child<QAction>(name); }

    Rows ListedRows()
    {
        Rows rows;
        for (int row = 0; row < SG1().rowCount(); ++row) {
            Row texts;
            for (int column = 0; column < 3; ++column) {
                const QTableWidgetItem *item = SG1().item(row, column);
                texts[column] = item ? item->text() : QString();
            }
            rows.push_back(texts);
        }
        return rows;
    }
    std::vector<QString> ListedFiles()
    {
        std::vector<QString> files;
        for (const Row &row : ListedRows())
            files.push_back(row[2]);
        return files;
    }
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
    QPoint CellCentre(int row, int column)
    {
        return SG1().visualRect(SG1().model()->index(row, column)).center();
    }
    // What a double-click delivers: press and release, then the double-click.
    void DoubleClickCell(int row, int column)
    {
        QTest::mouseClick(SG1().viewport(), Qt::LeftButton, {}, CellCentre(row, column));
        QTest::mouseDClick(SG1().viewport(), Qt::LeftButton, {}, CellCentre(row, column));
    }
    // Picks a choice the way a user does: opens the list and clicks it.
    void PickChoice(const QString &choice)
    {
        const int index = CB1().findText(choice);
        ASSERT_GE(index, 0) << choice.toStdString();
        CB1().showPopup();
        QAbstractItemView *view = CB1().view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QRect cell = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
        ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    }
    // An in-place editor is open in the list.
    bool Editing()
    {
        for (const QWidget *editor : SG1().viewport()->findChildren<QWidget *>())
            if (editor->isVisible())
                return true;
        return false;
    }
    void TypeFilter(const QString &text) { QTest::keyClicks(CB1().lineEdit(), text); }
    // Replaces the filter's text at once, as pasting does; typing would refill at each key.
    void PasteFilter(const QString &text)
    {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(CB1().lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QSignalSpy edits(CB1().lineEdit(), &QLineEdit::textEdited);
        QTest::keyClick(CB1().lineEdit(), Qt::Key_V, Qt::ControlModifier);
        ASSERT_EQ(edits.count(), 1);
        ASSERT_EQ(edits.front().front().toString(), text);
    }

    RecordingSink sink;
    ResultsStore store{sink, [] { return LocalTime{2024, 5, 6, 7, 8}; }, root.path().toStdString()};
    ChartWindow chart{sink};
    ArchiveWindow window{store, chart};
    std::vector<Notice> notices;
    QString data;
};

TEST_F(ArchiveWindowTest, StartsHiddenWithAnEmptyListAndTheFilterOnAnyName)
{
    EXPECT_EQ(window.windowTitle(), "Uložené výsledky");
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Choices(), QStringList{"*"});
    EXPECT_EQ(CB1().currentText(), "*");
    EXPECT_EQ(DE().text(), "DE");
    EXPECT_EQ(ListedRows(), (Rows{{"", "", ""}}));
    const std::array<const char *, 3> headers{"Příjjmení, jméno", "Čas testu", "Název souboru"};
    const std::array<int, 3> widths{250, 133, 250};
    for (int column = 0; column < 3; ++column) {
        EXPECT_EQ(SG1().horizontalHeaderItem(column)->text(), QString::fromUtf8(headers[column]));
        EXPECT_EQ(SG1().columnWidth(column), widths[column]);
    }
    EXPECT_EQ(SG1().rowHeight(0), 22);
    EXPECT_TRUE(GB1().isHidden());
    EXPECT_EQ(GB1().title(), "Zadej nový adresář");
}

TEST_F(ArchiveWindowTest, MenusCarryTheirCaptions)
{
    QMenuBar *bar = window.menuBar();
    EXPECT_EQ(bar->objectName(), "MainMenu1");
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions().front()->text(), "Soubor");
    EXPECT_EQ(Action("Otevt1").text(), "Otevřít");
    EXPECT_EQ(Action("Konec1").text(), "Konec");
    EXPECT_EQ(Action("Novsloka1").text(), "Vytvoření nové složky");
    EXPECT_EQ(Child<QMenu>("PopupMenu1").actions(), QList<QAction *>{&Action("Novsloka1")});
}

TEST_F(ArchiveWindowTest, ThreeFilesAreSortedByPersonWithTheirTimesAndOfferEachSurname)
{
    for (const QString &name : {kNovakJan5, kAdamPetr, kNovakJan6})
        WriteResultsFile(data + '/' + name);

    window.SetDirectory(data);

    const Rows rows = ListedRows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (Row{"Adam Petr", "2024_03_04 10_00.mem", kAdamPetr}));
    // The two files of Novák Jan keep the folder's order, whichever that is.
    const std::set<QString> novakFiles{rows[1][2], rows[2][2]};
    EXPECT_EQ(novakFiles, (std::set<QString>{kNovakJan5, kNovakJan6}));
    for (int row : {1, 2}) {
        EXPECT_EQ(rows[row][0], "Novák Jan");
        EXPECT_EQ(rows[row][1], rows[row][2].right(20));
    }
    EXPECT_EQ(Choices(), (QStringList{"*", "Adam", "Novák"}));
    EXPECT_EQ(CB1().currentIndex(), 0);
    EXPECT_EQ(CB1().currentText(), "*");
    EXPECT_EQ(store.ArchiveFolder(), data.toStdString());
    EXPECT_EQ(DE().InitialFolder(), data);
}

TEST_F(ArchiveWindowTest, TheOnlySurnameBecomesTheFilter)
{
    WriteResultsFile(data + '/' + kNovakJan5);
    WriteResultsFile(data + '/' + kNovakEva);

    window.SetDirectory(data);

    EXPECT_EQ(ListedRows().size(), 2u);
    EXPECT_EQ(Choices(), (QStringList{"*", "Novák"}));
    EXPECT_EQ(CB1().currentIndex(), 1);
    EXPECT_EQ(CB1().currentText(), "Novák");
}

TEST_F(ArchiveWindowTest, PickingASurnameListsLongerNamesTooAndRebuildsTheChoices)
{
    for (const QString &name : {kNovakJan5, kNovakovaJana, kAdamPetr})
        WriteResultsFile(data + '/' + name);
    window.SetDirectory(data);
    ShowWindow();
    ASSERT_EQ(Choices(), (QStringList{"*", "Adam", "Novák", "Nováková"}));

    PickChoice("Novák");

    EXPECT_EQ(ListedFiles(), (std::vector<QString>{kNovakJan5, kNovakovaJana}));
    EXPECT_EQ(Choices(), (QStringList{"*", "Novák", "Nováková"}));
    EXPECT_EQ(CB1().currentIndex(), 0);
    EXPECT_EQ(CB1().currentText(), "*");
}

TEST_F(ArchiveWindowTest, TypingRefillsAtEveryKeystroke)
{
    for (const QString &name : {kNovakJan5, kNovakEva, kAdamPetr})
        WriteResultsFile(data + '/' + name);
    window.SetDirectory(data);
    ShowWindow();
    CB1().lineEdit()->clear();

    TypeFilter("N");

    EXPECT_EQ(ListedRows().size(), 2u);
    EXPECT_EQ(CB1().currentText(), "Novák"); // the one first word found replaces the typing
    EXPECT_EQ(Choices(), (QStringList{"*", "Novák"}));
}

TEST_F(ArchiveWindowTest, AFilterMatchingNothingKeepsTheTypedTextAndTheOldChoices)
{
    for (const QString &name : {kNovakJan5, kAdamPetr})
        WriteResultsFile(data + '/' + name);
    window.SetDirectory(data);
    ShowWindow();
    CB1().lineEdit()->clear();

    TypeFilter("Zz");

    EXPECT_EQ(ListedRows(), (Rows{{"", "", ""}}));
    EXPECT_EQ(CB1().currentText(), "Zz");
    EXPECT_EQ(Choices(), (QStringList{"*", "Adam", "Novák"}));
}

TEST_F(ArchiveWindowTest, TheProgramsChangesToTheFilterDoNotRefillTheList)
{
    WriteResultsFile(data + '/' + kAdamPetr);
    WriteResultsFile(data + '/' + kNovakJan5);
    window.SetDirectory(data);
    const Rows before = ListedRows();

    CB1().setEditText("Zz");
    CB1().addItem("Zz");
    CB1().setCurrentIndex(1);
    CB1().setCurrentIndex(3);
    CB1().clear();

    EXPECT_EQ(ListedRows(), before);
}

TEST_F(ArchiveWindowTest, AWildcardFilterAndOneWithABracketSelectTheirFiles)
{
    const QString bracket = QStringLiteral("[Test] A 2024_03_05 09_07.mem");
    for (const QString &name : {kNovakJan5, kNovakEva, kAdamPetr, bracket})
        WriteResultsFile(data + '/' + name);
    window.SetDirectory(data);
    ShowWindow();

    PasteFilter("*Ev");
    EXPECT_EQ(ListedFiles(), std::vector<QString>{kNovakEva});
    EXPECT_EQ(CB1().currentText(), "Novák");

    PasteFilter("N?v?k J");
    EXPECT_EQ(ListedFiles(), std::vector<QString>{kNovakJan5});

    PasteFilter("[T");
    EXPECT_EQ(ListedFiles(), std::vector<QString>{bracket});
    EXPECT_EQ(CB1().currentText(), "[Test]");

    PasteFilter("[N");
    EXPECT_EQ(ListedRows(), (Rows{{"", "", ""}}));
    EXPECT_EQ(CB1().currentText(), "[N");
}

TEST_F(ArchiveWindowTest, OnlyADifferentDirectoryTextRefillsTheListAndSetsTheArchiveFolder)
{
    window.SetDirectory(data);
    WriteResultsFile(data + '/' + kAdamPetr);

    window.SetDirectory(data); // the same text: no change
    EXPECT_EQ(ListedRows(), (Rows{{"", "", ""}}));

    window.SetDirectory(data + '/');
    EXPECT_EQ(ListedFiles(), std::vector<QString>{kAdamPetr});
    EXPECT_EQ(store.ArchiveFolder(), (data + '/').toStdString());
}

TEST_F(ArchiveWindowTest, TypingIntoTheDirectoryFieldFollowsEveryKeystroke)
{
    const QString other = Path("other");
    MakeFolder(other);
    WriteResultsFile(other + '/' + kBeranKarel);
    window.SetDirectory(Path("oth"));
    ShowWindow();
    DE().setFocus();
    DE().end(false);

    QTest::keyClicks(&DE(), "er");

    EXPECT_EQ(store.ArchiveFolder(), other.toStdString());
    EXPECT_EQ(ListedFiles(), std::vector<QString>{kBeranKarel});
    EXPECT_EQ(store.DataDirectory(), data.toStdString());
}

TEST_F(ArchiveWindowTest, BrowsingResetsTheFilterListsTheOtherFolderAndOpensFilesFromIt)
{
    const QString other = Path("other");
    MakeFolder(other);
    WriteResultsFile(data + '/' + kAdamPetr, LogOfLength(3));
    WriteResultsFile(data + '/' + kNovakJan5, LogOfLength(4));
    WriteResultsFile(other + '/' + kAdamPetr, LogOfLength(5));
    WriteResultsFile(other + '/' + kBeranKarel, LogOfLength(6));
    window.SetDirectory(data);
    ShowWindow();
    PickChoice("Adam");
    ASSERT_EQ(CB1().currentText(), "Adam");
    QString startedAt;
    DE().SetFolderChooser([&](QWidget *, const QString &start) {
        startedAt = start;
        return other;
    });

    QTest::mouseClick(DE().BrowseButton(), Qt::LeftButton);

    EXPECT_EQ(startedAt, data);
    EXPECT_EQ(DE().text(), other);
    EXPECT_EQ(DE().InitialFolder(), other);
    EXPECT_EQ(store.ArchiveFolder(), other.toStdString());
    EXPECT_EQ(store.DataDirectory(), data.toStdString());
    EXPECT_EQ(ListedFiles(), (std::vector<QString>{kAdamPetr, kBeranKarel}));
    EXPECT_EQ(CB1().currentText(), "*");

    DoubleClickCell(1, 0);

    EXPECT_EQ(store.ViewedLog(), LogOfLength(6));
    EXPECT_TRUE(chart.isVisible());
    ASSERT_EQ(chart.Chart().Bars().size(), 3u);
    EXPECT_EQ(chart.Chart().Bars().front().height, 6);
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_TRUE(store.SaveResults(LogOfLength(2), "Dvořák Jiří"));
    EXPECT_TRUE(QFile::exists(data + "/Dvořák Jiří 2024_05_06 07_08.mem"));
}

struct BrowseStartCase
{
    const char *name;
    const char *text;    // in the field; relative to the temporary folder unless empty
    const char *initial; // the initial browsing folder, likewise
    const char *start;   // where the chooser opens; "/" is the root
};

class BrowseStartTest : public ArchiveFolderTest,
                        public ::testing::WithParamInterface<BrowseStartCase>
{
protected:
    QString Resolve(const char *relative)
    {
        const QString text = QString::fromUtf8(relative);
        return text.isEmpty() || text == "/" ? text : Path(text);
    }
};

TEST_P(BrowseStartTest, TheChooserOpensAtTheFieldsFolderOrItsFallback)
{
    MakeFolder(Path("a"));
    MakeFolder(Path("b"));
    const BrowseStartCase &c = GetParam();
    DirectoryEdit edit;
    edit.setText(Resolve(c.text));
    edit.SetInitialFolder(Resolve(c.initial));
    QString startedAt;
    edit.SetFolderChooser([&](QWidget *, const QString &start) {
        startedAt = start;
        return QString(); // cancelled
    });
    QSignalSpy changes(&edit, &QLineEdit::textChanged);

    QTest::mouseClick(edit.BrowseButton(), Qt::LeftButton);

    EXPECT_EQ(startedAt, Resolve(c.start));
    EXPECT_EQ(edit.text(), Resolve(c.text)) << "a cancelled choice changes nothing";
    EXPECT_EQ(edit.InitialFolder(), Resolve(c.initial));
    EXPECT_EQ(changes.count(), 0);
}

INSTANTIATE_TEST_SUITE_P(Folders, BrowseStartTest,
                         ::testing::Values(BrowseStartCase{"FieldsFolder", "a", "b", "a"},
                                           BrowseStartCase{"InitialWhenEmpty", "", "b", "b"},
                                           BrowseStartCase{"RootWhenMissing", "missing", "b", "/"},
                                           BrowseStartCase{"RootWhenInitialMissing", "", "missing",
                                                           "/"},
                                           BrowseStartCase{"RootWhenBothEmpty", "", "", "/"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ArchiveWindowTest, ANewFolderBecomesTheDataDirectoryAndTheShownFolder)
{
    WriteResultsFile(data + '/' + kAdamPetr);
    WriteResultsFile(data + '/' + kNovakJan5);
    window.SetDirectory(data);
    ShowWindow();
    const QStringList choices = Choices();

    Action("Novsloka1").trigger();
    ASSERT_TRUE(GB1().isVisible());
    EXPECT_TRUE(Adr().hasFocus());
    QTest::keyClicks(&Adr(), "2024");
    QTest::keyClick(&Adr(), Qt::Key_Return);

    const QString created = data + "/2024";
    EXPECT_TRUE(QFileInfo(created).isDir());
    EXPECT_EQ(notices, std::vector<Notice>{kCreated});
    EXPECT_FALSE(GB1().isVisible());
    EXPECT_EQ(store.DataDirectory(), created.toStdString());
    EXPECT_EQ(store.ArchiveFolder(), created.toStdString());
    EXPECT_EQ(DE().text(), created);
    EXPECT_EQ(DE().InitialFolder(), created);
    EXPECT_EQ(ListedRows(), (Rows{{"", "", ""}}));
    EXPECT_EQ(CB1().currentText(), "*");
    EXPECT_EQ(Choices(), choices);

    ASSERT_TRUE(store.SaveResults(LogOfLength(2), "Dvořák Jiří"));
    EXPECT_TRUE(QFile::exists(created + "/Dvořák Jiří 2024_05_06 07_08.mem"));
    ASSERT_TRUE(store.WriteSettings());
    QFile settings(QString::fromStdString(store.SettingsPath()));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(settings.readAll()).contains("DE=" + created));
}

TEST_F(ArchiveWindowTest, TheNewFolderBoxKeepsItsLastTextAndCancelOnlyHidesIt)
{
    window.SetDirectory(data);
    ShowWindow();
    Action("Novsloka1").trigger();
    QTest::keyClicks(&Adr(), "zruseno");

    QTest::mouseClick(&Child<QPushButton>("Cancel"), Qt::LeftButton);

    EXPECT_FALSE(GB1().isVisible());
    EXPECT_FALSE(QFileInfo::exists(data + "/zruseno"));
    EXPECT_TRUE(notices.empty());
    Action("Novsloka1").trigger();
    EXPECT_EQ(Adr().text(), "zruseno");
    QTest::mouseClick(&Child<QPushButton>("OK"), Qt::LeftButton);
    EXPECT_TRUE(QFileInfo(data + "/zruseno").isDir());
    EXPECT_EQ(notices, std::vector<Notice>{kCreated});
}

struct FailingFolderCase
{
    const char *name;
    const char *shown;   // the directory field, relative to the temporary folder
    const char *newName; // typed into the box
};

class FailingFolderTest : public ArchiveWindowTest,
                          public ::testing::WithParamInterface<FailingFolderCase>
{};

TEST_P(FailingFolderTest, WarnsAndChangesNothingElse)
{
    const FailingFolderCase &c = GetParam();
    MakeFolder(data + "/2024");
    WriteResultsFile(data + "/plain-file");
    WriteResultsFile(data + '/' + kAdamPetr);
    const QString shown = Path(QString::fromUtf8(c.shown));
    window.SetDirectory(shown);
    ShowWindow();
    const Rows rows = ListedRows();

    Action("Novsloka1").trigger();
    QTest::keyClicks(&Adr(), QString::fromUtf8(c.newName));
    QTest::keyClick(&Adr(), Qt::Key_Enter);

    EXPECT_EQ(notices, std::vector<Notice>{kCannotCreate});
    EXPECT_FALSE(GB1().isVisible());
    EXPECT_EQ(store.DataDirectory(), data.toStdString());
    EXPECT_EQ(DE().text(), shown);
    EXPECT_EQ(ListedRows(), rows);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailingFolderTest,
    ::testing::Values(FailingFolderCase{"AlreadyExists", "data", "2024"},
                      FailingFolderCase{"ParentIsARegularFile", "data/plain-file", "2024"},
                      FailingFolderCase{"ParentIsMissing", "data/missing", "2024"},
                      FailingFolderCase{"NameIsEmpty", "data", ""},
                      FailingFolderCase{"TwoLevels", "data", "new/2024"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ArchiveWindowTest, TheContextMenuOfTheListAndTheFieldOffersANewFolder)
{
    window.SetDirectory(data);
    ShowWindow();
    QMenu &popup = Child<QMenu>("PopupMenu1");

    for (QWidget *target : {SG1().viewport(), static_cast<QWidget *>(&DE())}) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                target->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(target, &event);
        EXPECT_TRUE(popup.isVisible()) << target->objectName().toStdString();
        popup.hide();
    }
}

TEST_F(ArchiveWindowTest, DoubleClickOnTheEmptyRowReportsThatTheFileCannotBeRead)
{
    WriteResultsFile(data + "/Marker 2024_01_01 00_00.mem", LogOfLength(7));
    ASSERT_TRUE(store.LoadResults(data.toStdString(), "Marker 2024_01_01 00_00.mem"));
    const QString empty = Path("empty");
    MakeFolder(empty);
    window.SetDirectory(empty);
    ShowWindow();
    ASSERT_EQ(ListedRows(), (Rows{{"", "", ""}}));

    DoubleClickCell(0, 1);

    EXPECT_EQ(sink.messages,
              std::vector<std::string>{"Soubor " + empty.toStdString() + "/ nelze načíst"});
    EXPECT_TRUE(chart.isVisible());
    ASSERT_EQ(chart.Chart().Bars().size(), 3u); // the ViewedLog as it stood
    EXPECT_EQ(chart.Chart().Bars().front().height, 7);
}

TEST_F(ArchiveWindowTest, DoubleClickOpensTheFileThatAnEditedNameColumnNames)
{
    WriteResultsFile(data + '/' + kAdamPetr, LogOfLength(3));
    WriteResultsFile(data + '/' + kBeranKarel, LogOfLength(8, 5));
    window.SetDirectory(data);
    ShowWindow();
    ASSERT_EQ(ListedFiles(), (std::vector<QString>{kAdamPetr, kBeranKarel}));
    QTest::mouseClick(SG1().viewport(), Qt::LeftButton, {}, CellCentre(0, 2));

    QTest::keyClick(SG1().viewport(), Qt::Key_F2);
    ASSERT_TRUE(Editing());
    QWidget *editor = SG1().viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, kBeranKarel);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the delegate commits the edit from the event loop
    ASSERT_EQ(ListedRows()[0][2], kBeranKarel);

    DoubleClickCell(0, 2); // on the current cell, which a single click would edit
    QTest::qWait(QApplication::doubleClickInterval() + 100);

    EXPECT_FALSE(Editing());
    EXPECT_EQ(store.ViewedLog(), LogOfLength(8, 5));
    EXPECT_EQ(chart.Chart().Bars().size(), 5u);
    EXPECT_TRUE(sink.messages.empty());
    // Edits last only until the next fill.
    Action("Otevt1").trigger();
    EXPECT_EQ(ListedRows()[0][2], kAdamPetr);
}

TEST_F(ArchiveWindowTest, ARefillEndsAnEditUnderWayWithoutKeepingIt)
{
    WriteResultsFile(data + '/' + kAdamPetr);
    WriteResultsFile(data + '/' + kBeranKarel);
    window.SetDirectory(data);
    ShowWindow();
    QTest::mouseClick(SG1().viewport(), Qt::LeftButton, {}, CellCentre(1, 2));
    QTest::keyClick(SG1().viewport(), Qt::Key_F2);
    ASSERT_TRUE(Editing());
    QTest::keyClicks(SG1().viewport()->findChild<QLineEdit *>(), "-edited");

    Action("Otevt1").trigger();
    QCoreApplication::processEvents();

    EXPECT_FALSE(Editing());
    EXPECT_EQ(ListedFiles(), (std::vector<QString>{kAdamPetr, kBeranKarel}));
}

TEST_F(ArchiveWindowTest, ArchivRefillsOnlyAListWithoutAFirstPersonAndOtevritAlways)
{
    WriteResultsFile(data + '/' + kNovakJan5);
    WriteResultsFile(data + '/' + kBeranKarel);
    window.SetDirectory(data);
    WriteResultsFile(data + '/' + kAdamPetr);

    ShowWindow();
    EXPECT_EQ(ListedFiles(), (std::vector<QString>{kBeranKarel, kNovakJan5}));

    Action("Otevt1").trigger();
    EXPECT_EQ(ListedFiles(), (std::vector<QString>{kAdamPetr, kBeranKarel, kNovakJan5}));
}

TEST_F(ArchiveWindowTest, ArchivFillsAnEmptyListBeforeShowing)
{
    window.SetDirectory(data);
    WriteResultsFile(data + '/' + kAdamPetr);

    ShowWindow();

    EXPECT_EQ(ListedFiles(), std::vector<QString>{kAdamPetr});
}

TEST_F(ArchiveWindowTest, ShowsCentredAtItsSizeAndKonecOnlyHides)
{
    ShowWindow();

    EXPECT_EQ(window.frameGeometry().size(), QSize(479, 408));
    const QRect screen = window.screen()->availableGeometry();
    EXPECT_LE((window.frameGeometry().center() - screen.center()).manhattanLength(), 1);
    window.move(window.pos() + QPoint(20, 10));
    const QPoint moved = window.pos();

    Action("Konec1").trigger();
    EXPECT_FALSE(window.isVisible());
    ShowWindow();
    EXPECT_EQ(window.pos(), moved);
}

TEST_F(ArchiveWindowTest, TheListFillsTheClientAreaAndTheFieldReachesTheRightEdge)
{
    ShowWindow();
    const QWidget *client = window.centralWidget();

    for (const QSize size : {QSize(479, 408), QSize(700, 500), QSize(300, 200)}) {
        window.resize(size);
        QCoreApplication::processEvents();
        EXPECT_EQ(SG1().geometry(), QRect(0, 24, client->width(), client->height() - 24))
            << size.width() << "x" << size.height();
        EXPECT_EQ(DE().geometry(), QRect(200, 0, client->width() - 200, 21));
        EXPECT_EQ(CB1().geometry(), QRect(0, 0, 193, 21));
        EXPECT_EQ(DE().BrowseButton()->geometry().right(), DE().width() - 3);
    }
}

// The real message box: caption, icon and one "OK" button; closed from a timer.
TEST(ArchiveNoticeBoxTest, AFailedNewFolderShowsAWarningBoxWithOneOkButton)
{
    QTemporaryDir root;
    RecordingSink sink;
    ResultsStore store{sink, [] { return LocalTime{}; }, root.path().toStdString()};
    ChartWindow chart{sink};
    ArchiveWindow window{store, chart};
    window.SetDirectory(root.path());
    window.ShowArchive();
    QString title, text, button;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = static_cast<int>(box->buttons().size());
        button = box->buttons().front()->text();
        box->buttons().front()->click();
    });

    window.findChild<QAction *>("Novsloka1")->trigger();
    window.findChild<QPushButton *>("OK")->click(); // the empty name names the shown folder

    EXPECT_EQ(title, "Warning");
    EXPECT_EQ(text, "Složku nelze vytvořit");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(button, "OK");
}

} // namespace
} // namespace vorlant
