#include "archive_rig.h"
#include "workbook_reader.h"

#include "results/overview_model.h"
#include "results/overview_window.h"
#include "results/progress_chart.h"
#include "results/progress_window.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPrinter>
#include <QTableView>

namespace vorlant {
namespace {

using test::MakeLog;
using test::SpreadsheetSerial;
using Column = OverviewModel::Column;

// Persons whose names sort differently by character codes than the Czech way
// (C < Č < D, H < Ch < I), and whose figures sort differently as texts than as numbers.
struct TestFile
{
    QString name;
    LogRecords log;
};
const TestFile kFiles[] = {
    // first: longest 5; a copy in between: longest 7; latest: longest 3, mean 3,5, 50 %
    {"Novák Jan 2024_03_01 08_00.mem", MakeLog({{4, true}, {5, false}, {5, true}})},
    {"Novák Jan (2) 2024_03_05 09_00.mem", MakeLog({{6, true}, {7, true}})},
    {"Novák Jan 2024_03_10 10_00.mem", MakeLog({{3, true}, {4, false}})},
    {"Čapek Karel 2023_11_02 14_00.mem", MakeLog({{2, true}, {3, true}, {4, false}})},
    {"Chalupa Eva 2024_01_15 09_00.mem", MakeLog({{5, true}})},
    {"Chalupa Eva 2024_02_15 09_00.mem", MakeLog({{12, true}, {9, false}})},
    {"Hora Petr 2024_02_01 09_00.mem", MakeLog({{4, false}})},
    {"Cibulka Ivo 2024_04_01 09_00.mem", MakeLog({{5, true}})},
    {"Ivan Ota 2024_05_01 09_00.mem", LogRecords{}}, // a test without attempts
    {"Ivan Ota 2024_05_02 09_00.mem", MakeLog({{6, true}})},
    {"Jelen Aleš 2024_05_03 09_00.mem", LogRecords{}},
};
const QString kShort = "Dvořák Jiří 2024_01_02 10_00.mem";
const QString kEmpty = "Dvořák Jiří 2024_01_03 10_00.mem";
const QString kEmptyOfNovak = "Novák Jan 2024_03_11 10_00.mem";

// The table as it should read, sorted the Czech way by name.
const QList<QStringList> kTable = {
    {"Cibulka Ivo", "1", "5", "5", "5,0", "100,0", "1. 4. 2024", "1. 4. 2024", "0"},
    {"Čapek Karel", "1", "3", "3", "3,0", "66,7", "2. 11. 2023", "2. 11. 2023", "0"},
    {"Hora Petr", "1", "0", "0", "4,0", "0,0", "1. 2. 2024", "1. 2. 2024", "0"},
    {"Chalupa Eva", "2", "12", "12", "10,5", "50,0", "15. 1. 2024", "15. 2. 2024", "+7"},
    {"Ivan Ota", "2", "6", "6", "6,0", "100,0", "2. 5. 2024", "2. 5. 2024", "0"},
    {"Jelen Aleš", "1", "", "", "", "", "", "", ""},
    {"Novák Jan", "3", "7", "3", "3,5", "50,0", "1. 3. 2024", "10. 3. 2024", "\u22122"},
};

class OverviewWindowTest : public test::ArchiveRig
{
protected:
    void WriteFiles()
    {
        for (const TestFile &file : kFiles)
            WriteResults(file.name, file.log);
        WriteBytes(kShort, std::string(16015, '\1'));
        WriteBytes(kEmpty, "");
        WriteBytes(kEmptyOfNovak, "");
    }
    OverviewWindow &Overview() { return window.Overview(); }
    QTableView &Table() { return Overview().Table(); }
    QAbstractItemModel &Shown() { return *Table().model(); }
    QList<QStringList> ShownTable()
    {
        QList<QStringList> rows;
        for (int row = 0; row < Shown().rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < Shown().columnCount(); ++column)
                cells << Shown().index(row, column).data().toString();
            rows << cells;
        }
        return rows;
    }
    QStringList ShownColumn(int column)
    {
        QStringList texts;
        for (int row = 0; row < Shown().rowCount(); ++row)
            texts << Shown().index(row, column).data().toString();
        return texts;
    }
    void ClickHeader(int column)
    {
        QHeaderView &header = *Table().horizontalHeader();
        const int x = header.sectionViewportPosition(column) + header.sectionSize(column) / 2;
        QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, QPoint(x, header.height() / 2));
    }
    void ShowOverview()
    {
        ClickFileMenu("Přehled osob");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Overview()));
    }
    // The rows of the table in the order shown, with the column's sort values.
    QStringList PersonsShown() { return ShownColumn(Column::PersonColumn); }
};

TEST_F(OverviewWindowTest, ShowsAPersonARowWithTheFiguresOfAllTheirTestsAndUnreadableFilesOnce)
{
    WriteFiles();
    ShowArchive();
    ShowOverview();

    EXPECT_EQ(ShownTable(), kTable);
    // The empty files are passed over in silence; the short one is named once.
    EXPECT_EQ(sink.messages,
              std::vector<std::string>{"Tyto soubory nelze načíst, v přehledu chybí:\n" +
                                       kShort.toStdString()});
}

TEST_F(OverviewWindowTest, TheNameFilterChoosesThePersonsAndTheContextMenuOpensItToo)
{
    WriteFiles();
    ShowArchive();
    QLineEdit &filter = *CB1().lineEdit();
    filter.clear();
    QTest::keyClicks(&filter, "C"); // Cibulka and Chalupa, not Čapek
    ClickRow(0);
    const QPoint centre = CellCentre(0, 1);
    QContextMenuEvent event(QContextMenuEvent::Mouse, centre,
                            SG1().viewport()->mapToGlobal(centre));
    QApplication::sendEvent(SG1().viewport(), &event);
    QMenu &popup = *window.findChild<QMenu *>("PopupMenu1");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
    QAction *item = popup.actions().value(2);
    ASSERT_EQ(item->text(), "Přehled osob");
    QTest::mouseClick(&popup, Qt::LeftButton, {}, popup.actionGeometry(item).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Overview()));

    EXPECT_EQ(ShownTable(), (QList<QStringList>{kTable[0], kTable[3]}));
}

TEST_F(OverviewWindowTest, AHeaderClickSortsNumbersAsNumbersDatesAsDatesAndNamesTheCzechWay)
{
    WriteFiles();
    ShowArchive();
    ShowOverview();
    const struct
    {
        int column;
        QStringList ascending; // persons in order, the descending order its reverse
    } cases[] = {
        {Column::BestColumn,
         {"Jelen Aleš", "Hora Petr", "Čapek Karel", "Cibulka Ivo", "Ivan Ota", "Novák Jan",
          "Chalupa Eva"}},
        {Column::MeanColumn,
         {"Jelen Aleš", "Čapek Karel", "Novák Jan", "Hora Petr", "Cibulka Ivo", "Ivan Ota",
          "Chalupa Eva"}},
        {Column::FirstColumn,
         {"Jelen Aleš", "Čapek Karel", "Chalupa Eva", "Hora Petr", "Novák Jan", "Cibulka Ivo",
          "Ivan Ota"}},
        {Column::ChangeColumn, {}}, // ties: checked by the values below
        {Column::PersonColumn,
         {"Cibulka Ivo", "Čapek Karel", "Hora Petr", "Chalupa Eva", "Ivan Ota", "Jelen Aleš",
          "Novák Jan"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.column);
        ClickHeader(c.column);
        if (Table().horizontalHeader()->sortIndicatorOrder() != Qt::AscendingOrder)
            ClickHeader(c.column);
        ASSERT_EQ(Table().horizontalHeader()->sortIndicatorSection(), c.column);
        if (!c.ascending.isEmpty()) {
            EXPECT_EQ(PersonsShown(), c.ascending);
        } else {
            EXPECT_EQ(ShownColumn(c.column),
                      (QStringList{"", "\u22122", "0", "0", "0", "0", "+7"}));
        }
        ClickHeader(c.column);
        QStringList descending = c.ascending;
        std::reverse(descending.begin(), descending.end());
        if (!c.ascending.isEmpty()) {
            EXPECT_EQ(PersonsShown(), descending);
        } else {
            EXPECT_EQ(ShownColumn(c.column),
                      (QStringList{"+7", "0", "0", "0", "0", "\u22122", ""}));
        }
    }
}

TEST_F(OverviewWindowTest, ADoubleClickOpensThePersonsProgress)
{
    WriteFiles();
    ShowArchive();
    ShowOverview();
    const int row = static_cast<int>(PersonsShown().indexOf("Novák Jan"));
    const QPoint centre = Table().visualRect(Shown().index(row, 3)).center();
    QTest::mouseClick(Table().viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(Table().viewport(), Qt::LeftButton, {}, centre);

    ProgressWindow &progress = window.Progress();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&progress));
    EXPECT_EQ(progress.windowTitle(), "Vývoj výsledků – Novák Jan");
    EXPECT_EQ(progress.Chart().Tests().size(), 3u);
}

TEST_F(OverviewWindowTest, PrintsTheTableAsShownOnAsManyPagesAsItNeeds)
{
    for (int person = 0; person < 150; ++person)
        WriteResults(QStringLiteral("Osoba %1 2024_03_01 08_00.mem").arg(person, 3, 10, QChar('0')),
                     kFiles[0].log);
    ShowArchive();
    ShowOverview();
    const QString pdf = Path("overview.pdf");
    bool cancel = false;
    Overview().SetPrinterSetup([&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return !cancel;
    });

    test::ClickMenuItem(Overview(), "Akce", "Tisk");
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    const QByteArray content = printed.readAll();
    EXPECT_GE(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 3);
    printed.close();
    EXPECT_TRUE(sink.errors.empty());

    // Cancelled: no job.
    QFile::remove(pdf);
    cancel = true;
    test::ClickMenuItem(Overview(), "Akce", "Tisk");
    EXPECT_FALSE(QFile::exists(pdf));
}

// A page too short for a row under the headings is reported and prints nothing; a page with
// room for a few rows gets at least one on every page.
TEST_F(OverviewWindowTest, EveryPrintedPageHoldsARowOrThePageIsReportedTooSmall)
{
    constexpr int kPersons = 40;
    for (int person = 0; person < kPersons; ++person)
        WriteResults(QStringLiteral("Osoba %1 2024_03_01 08_00.mem").arg(person, 2, 10, QChar('0')),
                     kFiles[0].log);
    ShowArchive();
    ShowOverview();
    const struct
    {
        double heightMm;
        bool fits;
    } cases[] = {{15, false}, {70, true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.heightMm);
        const QString pdf = Path(QStringLiteral("page%1.pdf").arg(c.heightMm));
        Overview().SetPrinterSetup([&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QSizeF(100, c.heightMm), QPageSize::Millimeter, {},
                                          QPageSize::ExactMatch));
            printer.setPageOrientation(QPageLayout::Portrait);
            printer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
            return true;
        });
        sink.errors.clear();
        // A print that never stops ends when its file outgrows the limit.
        test::WithFileSizeLimit(4 << 20, [&] {
            test::ClickMenuItem(Overview(), "Akce", "Tisk");
            return true;
        });

        if (!c.fits) {
            EXPECT_EQ(sink.errors, std::vector<std::string>{
                                       "Tisk se nepodařil: stránka je pro tabulku příliš malá"});
            EXPECT_FALSE(QFile::exists(pdf)) << "no page went out";
            continue;
        }
        EXPECT_TRUE(sink.errors.empty());
        QFile printed(pdf);
        ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
        const QByteArray content = printed.readAll();
        const auto pages = content.count("/Type /Page\n") + content.count("/Type /Page\r");
        EXPECT_GT(pages, 1);
        EXPECT_LE(pages, kPersons);
    }
}

TEST_F(OverviewWindowTest, ExportsTheTableAsShownToAWorkbookOfTypedCells)
{
    WriteFiles();
    ShowArchive();
    ShowOverview();
    sink.messages.clear();
    ClickHeader(Column::ChangeColumn);
    ClickHeader(Column::ChangeColumn); // descending
    const QList<QStringList> shown = ShownTable();
    const QString target = Path("prehled.xlsx");
    QStringList suggestions;
    Overview().SetSaveFileChooser([&](QWidget *, const QString &suggested) {
        suggestions << suggested;
        return target;
    });

    test::ClickMenuItem(Overview(), "Soubor", "Export do Excelu…");

    EXPECT_EQ(suggestions, QStringList{QDir::homePath() + "/prehled.xlsx"});
    const test::Workbook book = test::ReadWorkbook(target);
    ASSERT_EQ(book.error, "");
    EXPECT_EQ(book.autoFilter, "A1:I8");
    ASSERT_EQ(book.RowCount(), 8);
    // Rows in the order shown, figures as numbers and dates as dates.
    for (int row = 1; row < 8; ++row)
        EXPECT_EQ(book.Text(row, 0), shown[row - 1][0]);
    const int novak = static_cast<int>(shown.indexOf(kTable[6])) + 1;
    EXPECT_NEAR(book.Number(novak, 4), 3.5, 1e-9);
    EXPECT_NEAR(book.Number(novak, 6), SpreadsheetSerial(2024, 3, 1), 1e-9);
    EXPECT_EQ(book.Format(novak, 6), "d. m. yyyy");
    EXPECT_NEAR(book.Number(novak, 8), -2, 1e-9);
    const int jelen = static_cast<int>(shown.indexOf(kTable[5])) + 1;
    EXPECT_EQ(book.Cell(jelen, 2), nullptr);
    EXPECT_TRUE(sink.messages.empty());
}

// Both windows that read every file of the folder show the reading dialog the same way.
TEST_F(OverviewWindowTest, ALongReadingShowsADialogThatCancelsItWhileTheProgramAnswers)
{
    for (int day = 1; day <= 28; ++day)
        WriteResults(QStringLiteral("Novák Jan 2024_02_%1 10_00.mem").arg(day, 2, 10, QChar('0')),
                     kFiles[0].log);
    ShowArchive();
    ClickRow(0);
    ProgressWindow &progress = window.Progress();
    const struct
    {
        QWidget *reader;
        const char *item;
        std::function<int()> tests;
    } windows[] = {
        {&Overview(), "Přehled osob",
         [&] { return ShownColumn(Column::TestsColumn).value(0).toInt(); }},
        {&progress, "Vývoj výsledků", [&] { return int(progress.Chart().Tests().size()); }}};
    Overview().SetProgressDialogAfter(std::chrono::milliseconds(0)); // every reading is long
    progress.SetProgressDialogAfter(std::chrono::milliseconds(0));
    for (const auto &w : windows) {
        SCOPED_TRACE(w.item);
        ExpectDialogWhileReading(*w.reader, [&] { ClickFileMenu(w.item); });
        EXPECT_EQ(w.tests(), 28);
        w.reader->hide();
    }

    // Cancelled: the window stays hidden and as it was, and nothing is reported.
    WriteResults(QStringLiteral("Novák Jan 2024_02_29 10_00.mem"), kFiles[0].log);
    for (const auto &w : windows) {
        SCOPED_TRACE(w.item);
        CancelReading(*w.reader, [&] { ClickFileMenu(w.item); });
        EXPECT_FALSE(w.reader->isVisible());
        EXPECT_EQ(w.tests(), 28);
    }
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace vorlant
