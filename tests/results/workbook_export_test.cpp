#include "archive_rig.h"
#include "workbook_reader.h"

#include <QDir>

#include <cmath>

namespace vorlant {
namespace {

using test::MakeLog;
using test::SpreadsheetSerial;

using test::FullLog;
using test::kLogA;
using test::kLogB;

// A results file as the sheet must show it.
struct ExpectedFile
{
    QString name;
    LogRecords log;
    QString person;    // without a copy number
    double time = NAN; // the serial of the test's time; NaN when the name has none
};

const ExpectedFile kNovak{"Novák Jan 2024_03_05 09_07.mem", kLogA, "Novák Jan",
                          SpreadsheetSerial(2024, 3, 5, 9, 7)};
const ExpectedFile kNovakCopy{"Novák Jan (2) 2024_03_05 09_07.mem", kLogB, "Novák Jan",
                              SpreadsheetSerial(2024, 3, 5, 9, 7)};
// A text that a spreadsheet would take for a formula if it were typed in.
const ExpectedFile kFormula{"=SUM(A1)+1 Eva 2023_12_31 23_59.mem", kLogA, "=SUM(A1)+1 Eva",
                            SpreadsheetSerial(2023, 12, 31, 23, 59)};
const ExpectedFile kChlupaty{"Chlupatý Řehoř 2024_02_29 12_30.mem", FullLog(), "Chlupatý Řehoř",
                             SpreadsheetSerial(2024, 2, 29, 12, 30)};
const ExpectedFile kNoTime{"x.mem", kLogB, "", NAN};
const QString kShort = "Dvořák Jiří 2024_01_02 10_00.mem";
const QString kEmpty = "Dvořák Jiří 2024_01_03 10_00.mem";

// Compares every cell of the sheet "Pokusy" with the files' attempts, in the files' order,
// and that the filter covers them all.
void ExpectAttemptsSheet(const QString &path, const std::vector<ExpectedFile> &files)
{
    const test::Workbook book = test::ReadWorkbook(path);
    ASSERT_EQ(book.error, "");
    int row = 1;
    for (const ExpectedFile &file : files) {
        for (int i = 0; i < RecordCount(file.log); ++i, ++row) {
            SCOPED_TRACE(file.name.toStdString() + " attempt " + std::to_string(i));
            EXPECT_EQ(book.Text(row, 0), file.person);
            if (std::isnan(file.time)) {
                EXPECT_EQ(book.Cell(row, 1), nullptr);
            } else {
                EXPECT_NEAR(book.Number(row, 1), file.time, 1e-9);
                EXPECT_EQ(book.Format(row, 1), "d. m. yyyy h:mm");
            }
            EXPECT_EQ(book.Text(row, 2), file.name);
            EXPECT_EQ(book.Number(row, 3), i);
            EXPECT_EQ(book.Number(row, 4), file.log[i].length);
            EXPECT_EQ(book.Number(row, 5), file.log[i].success ? 1 : 0);
            EXPECT_EQ(book.Number(row, 6), double(file.log[i].elapsedMs));
        }
    }
    EXPECT_EQ(book.RowCount(), row) << "no row beyond the attempts";
    EXPECT_EQ(book.autoFilter, QStringLiteral("A1:G%1").arg(row));
    for (const auto &[at, cell] : book.cells)
        EXPECT_FALSE(cell.formula) << "a formula in row " << at.first;
}

class WorkbookExportTest : public test::ArchiveRig
{
protected:
    void SetUp() override
    {
        const auto chooser = [this](QWidget *, const QString &suggested) {
            suggestions << suggested;
            return target;
        };
        window.SetWorkbookFileChooser(chooser);
        chart.SetWorkbookFileChooser(chooser);
    }
    void Write(const ExpectedFile &file) { WriteResults(file.name, file.log); }
    // Entries of a folder, hidden ones too: a temporary file left behind shows here.
    QStringList Entries(const QString &folder)
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QString target = Path("export/vysledky.xlsx");
    QStringList suggestions;
};

TEST_F(WorkbookExportTest, TheArchiveExportsAnAttemptARowOfEveryListedFileAsTypedCells)
{
    ASSERT_TRUE(QDir(root.path()).mkdir("export"));
    for (const ExpectedFile &file : {kNovak, kNovakCopy, kFormula, kChlupaty, kNoTime})
        Write(file);
    WriteBytes(kShort, std::string(100, '\1'));
    WriteBytes(kEmpty, ""); // another computer is still saving it, from its temporary file
    WriteBytes("." + kEmpty + ".Ab12Cd.tmp", std::string(16016, '\0'));
    ShowArchive();
    ASSERT_EQ(Column(2).size(), 6); // the empty file is not listed

    ClickFileMenu("Export do Excelu…");

    EXPECT_EQ(suggestions, QStringList{QDir::homePath() + "/vysledky.xlsx"});
    // In the list's order: by person, a person's tests oldest first.
    std::vector<ExpectedFile> expected;
    for (const QString &name : Column(2)) {
        for (const ExpectedFile &file : {kNovak, kNovakCopy, kFormula, kChlupaty, kNoTime})
            if (file.name == name)
                expected.push_back(file);
    }
    ExpectAttemptsSheet(target, expected);
    // The unreadable file is named; the empty one is passed over in silence.
    EXPECT_EQ(sink.messages,
              std::vector<std::string>{"Tyto soubory nelze načíst, v exportu chybí:\n" +
                                       kShort.toStdString()});
    EXPECT_EQ(Entries(Path("export")), QStringList{"vysledky.xlsx"});
}

TEST_F(WorkbookExportTest, TheChartExportsTheAttemptsOfItsTestFromItsActionMenu)
{
    Write(kChlupaty);
    Write(kNovakCopy);
    ShowArchive();
    DoubleClickCell(RowOf(kNovakCopy.name), 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));

    target = Path("chart.xlsx");
    test::ClickMenuItem(chart, "Akce", "Export do Excelu…");
    ExpectAttemptsSheet(target, {kNovakCopy});

    // The current test's log comes without a file: its person and time stay empty.
    chart.ShowResultsChart(FullLog());
    test::ClickMenuItem(chart, "Akce", "Export do Excelu…");
    ExpectAttemptsSheet(target, {{"", FullLog(), "", NAN}});
    EXPECT_EQ(suggestions.size(), 2);
    EXPECT_TRUE(sink.messages.empty());
}

// Either format, from either window: the message names the path and the reason, and nothing
// is left behind.
TEST_F(WorkbookExportTest, AFileThatCannotBeWrittenIsReportedWithItsPathAndReason)
{
    Write(kNovak);
    WriteBytes("plain", "x");
    ShowArchive();
    DoubleClickCell(0, 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    const auto chooser = [this](QWidget *, const QString &) { return target; };
    window.SetSaveFileChooser(chooser);
    chart.SetSaveFileChooser(chooser);
    for (const QString extension : {"csv", "xlsx"}) {
        ASSERT_TRUE(QDir(root.path()).mkdir("folder." + extension));
        const QString item = extension == "csv" ? "Export do CSV…" : "Export do Excelu…";
        for (const auto &[path, message] : UnwritableTargets(extension)) {
            sink.messages.clear();
            target = path;
            ClickFileMenu(item);
            test::ClickMenuItem(chart, "Akce", item);
            EXPECT_EQ(sink.messages, (std::vector<std::string>{message, message}));
        }
        EXPECT_TRUE(QDir(Path("folder." + extension)).isEmpty());
        // A cancelled dialog writes nothing and says nothing.
        sink.messages.clear();
        target.clear();
        ClickFileMenu(item);
        EXPECT_TRUE(sink.messages.empty());
    }
    QStringList left = Entries(root.path());
    left.sort();
    EXPECT_EQ(left, (QStringList{"Novák Jan 2024_03_05 09_07.mem", "folder.csv", "folder.xlsx",
                                 "plain"}));
}

} // namespace
} // namespace vorlant
