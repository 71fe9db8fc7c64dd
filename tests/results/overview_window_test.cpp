#include "archive_rig.h"
#include "pdf_text.h"
#include "workbook_reader.h"

#include "results/chart_attempts.h"
#include "results/overview_model.h"
#include "results/overview_window.h"
#include "results/progress_chart.h"
#include "results/progress_window.h"

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>
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
    // first: longest 5, span 4,5 (turns at 5 and 4); a copy in between: longest 7; latest:
    // longest 3, mean 3,4, 60 %, span 3,7 (turns at 4, 3 and 4): a change of spans, −0,8
    {"Novák Jan 2024_03_01 08_00.mem", MakeLog({{4, true}, {5, false}, {4, true}, {5, true}})},
    {"Novák Jan (2) 2024_03_05 09_00.mem", MakeLog({{6, true}, {7, true}})},
    {"Novák Jan 2024_03_10 10_00.mem",
     MakeLog({{3, true}, {4, false}, {3, true}, {4, false}, {3, true}})},
    {"Čapek Karel 2023_11_02 14_00.mem", MakeLog({{2, true}, {3, true}, {4, false}})},
    // first: no span; latest: span 10,5 (turns at 9 and 12): a change of longest sequences
    {"Chalupa Eva 2024_01_15 09_00.mem", MakeLog({{5, true}, {5, true}})},
    {"Chalupa Eva 2024_02_15 09_00.mem", MakeLog({{12, true}, {9, false}, {12, true}, {9, false}})},
    {"Hora Petr 2024_02_01 09_00.mem", MakeLog({{4, false}, {4, false}})},
    {"Cibulka Ivo 2024_04_01 09_00.mem", MakeLog({{5, true}, {5, true}})},
    {"Ivan Ota 2024_05_01 09_00.mem", LogRecords{}}, // a test without attempts
    {"Ivan Ota 2024_05_02 09_00.mem", MakeLog({{6, true}, {6, true}})},
    {"Jelen Aleš 2024_05_03 09_00.mem", LogRecords{}},
};
const QString kShort = "Dvořák Jiří 2024_01_02 10_00.mem";
const QString kEmpty = "Dvořák Jiří 2024_01_03 10_00.mem";
const QString kEmptyOfNovak = "Novák Jan 2024_03_11 10_00.mem";

// The table as it should read, sorted the Czech way by name.
const QStringList kHeaders = {"Příjmení, jméno",
                              "Testů",
                              "Nejlepší řada",
                              "Odhad rozpětí",
                              "Poslední test: řada",
                              "Poslední test: průměrná délka",
                              "Poslední test: úspěšnost %",
                              "První test",
                              "Poslední test",
                              "Změna"};
const QList<QStringList> kTable = {
    {"Cibulka Ivo", "1", "5", "—", "5", "5,0", "100,0", "1. 4. 2024", "1. 4. 2024", "0"},
    {"Čapek Karel", "1", "3", "—", "3", "3,0", "66,7", "2. 11. 2023", "2. 11. 2023", "0"},
    {"Hora Petr", "1", "0", "—", "0", "4,0", "0,0", "1. 2. 2024", "1. 2. 2024", "0"},
    {"Chalupa Eva", "2", "12", "10,5", "12", "10,5", "50,0", "15. 1. 2024", "15. 2. 2024", "+7"},
    {"Ivan Ota", "2", "6", "—", "6", "6,0", "100,0", "2. 5. 2024", "2. 5. 2024", "0"},
    {"Jelen Aleš", "1", "", "", "", "", "", "", "", ""},
    {"Novák Jan", "3", "7", "3,7", "3", "3,4", "60,0", "1. 3. 2024", "10. 3. 2024", "\u22120,8"},
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
    // Every header says what it holds, in its text (broken after its colon) and its tooltip;
    // the change says which figures it compares.
    for (int column = 0; column < Shown().columnCount(); ++column) {
        EXPECT_EQ(Shown().headerData(column, Qt::Horizontal).toString(),
                  QString(kHeaders[column]).replace(": ", ":\n"));
        EXPECT_FALSE(
            Shown().headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString().isEmpty())
            << column;
    }
    const auto changeTip = [&](const QString &person) {
        const int row = static_cast<int>(PersonsShown().indexOf(person));
        return Shown().index(row, Column::ChangeColumn).data(Qt::ToolTipRole).toString();
    };
    EXPECT_EQ(changeTip("Novák Jan"), "Změna odhadu rozpětí od prvního testu");
    EXPECT_EQ(changeTip("Chalupa Eva"),
              "Změna nejdelší zopakované řady od prvního testu (odhad rozpětí jeden z testů nemá)");
    EXPECT_EQ(changeTip("Jelen Aleš"), "");
    // The empty files are passed over in silence; the short one is named once.
    EXPECT_EQ(sink.messages,
              std::vector<std::string>{"Tyto soubory nelze načíst, v přehledu chybí:\n" +
                                       kShort.toStdString()});
}

// Lengths no test can have (a file planted in the shared folder) make a file unreadable, named
// with the others; its chart still opens. A test ended during its first attempt, with that
// attempt alone saved, counts among the tests but gives no figures: neither first nor latest.
TEST_F(OverviewWindowTest,
       ImpossibleLengthsMakeAFileUnreadableAndATestEndedInItsFirstAttemptNoFigure)
{
    const QStringList crafted = {
        "Lstivý Karel 2024_01_01 10_00.mem", "Lstivý Karel 2024_01_03 10_00.mem",
        "Lstivý Karel 2024_01_04 10_00.mem", "Lstivý Karel 2024_01_05 10_00.mem"};
    WriteResults(crafted[0], MakeLog({{2147483647, true}, {5, true}}));
    WriteResults(crafted[1], MakeLog({{-2147483647 - 1, true}, {3, true}}));
    WriteResults(crafted[2], MakeLog({{51, true}, {4, false}}));
    WriteResults(crafted[3], MakeLog({{4, true}, {-1, false}}));
    WriteResults("Lstivý Karel 2024_01_02 10_00.mem", MakeLog({{4, true}, {5, false}}));
    LogRecords endedThenLeftOver = MakeLog({{50, false}, {1, true}});
    endedThenLeftOver[3] = {77777, true, 1}; // after the end: no meaning
    WriteResults("Lstivý Karel 2024_01_06 10_00.mem", endedThenLeftOver);
    WriteResults("Půlka Eva 2024_01_31 10_00.mem", MakeLog({{6, false, 0}})); // before a click
    WriteResults("Půlka Eva 2024_02_01 10_00.mem", MakeLog({{4, true, 900}, {5, true, 800}}));
    WriteResults("Půlka Eva 2024_02_02 10_00.mem", MakeLog({{4, true, 700}})); // half answered
    ShowArchive();
    ShowOverview();

    EXPECT_EQ(ShownTable(), (QList<QStringList>{{"Lstivý Karel", "2", "4", "—", "1", "25,5", "50,0",
                                                 "2. 1. 2024", "6. 1. 2024", "\u22123"},
                                                {"Půlka Eva", "3", "5", "—", "5", "4,5", "100,0",
                                                 "1. 2. 2024", "1. 2. 2024", "0"}}));
    ASSERT_EQ(sink.messages.size(), 1u);
    QStringList lines = QString::fromStdString(sink.messages[0]).split('\n');
    EXPECT_EQ(lines.takeFirst(), "Tyto soubory nelze načíst, v přehledu chybí:");
    lines.sort();
    EXPECT_EQ(lines, crafted);

    sink.messages.clear();
    DoubleClickCell(RowOf(crafted[0]), 2);
    EXPECT_TRUE(chart.isVisible());
    EXPECT_EQ(chart.Chart().Bars().size(), 2u);
    EXPECT_TRUE(sink.messages.empty());
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
        {Column::SpanColumn, {}},
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
        // Without a value, after a person without tests, before every value.
        const QStringList values = c.column == Column::ChangeColumn
                                       ? QStringList{"", "\u22120,8", "0", "0", "0", "0", "+7"}
                                       : QStringList{"", "—", "—", "—", "—", "3,7", "10,5"};
        if (!c.ascending.isEmpty()) {
            EXPECT_EQ(PersonsShown(), c.ascending);
        } else {
            EXPECT_EQ(ShownColumn(c.column), values);
        }
        ClickHeader(c.column);
        QStringList descending = c.ascending.isEmpty() ? values : c.ascending;
        std::reverse(descending.begin(), descending.end());
        EXPECT_EQ(c.ascending.isEmpty() ? ShownColumn(c.column) : PersonsShown(), descending);
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
    for (int person = 0; person < 250; ++person)
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
    // Every column is printed, the span estimate too.
    const QString text = test::PdfText(pdf);
    for (const QString &header : kHeaders) {
        for (const QString &line : QString(header).replace(": ", ":\n").split('\n'))
            EXPECT_TRUE(text.contains(line)) << line.toStdString();
    }
    EXPECT_TRUE(text.contains(QRegularExpression("Osoba 249 +1 +5 +4,5 +5 +4,5 +75,0")))
        << text.toStdString();
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
    EXPECT_EQ(book.autoFilter, "A1:J8");
    ASSERT_EQ(book.RowCount(), 8);
    // The table's headers; rows in the order shown, figures as numbers and dates as dates.
    for (int column = 0; column < kHeaders.size(); ++column)
        EXPECT_EQ(book.Text(0, column), kHeaders[column]);
    for (int row = 1; row < 8; ++row)
        EXPECT_EQ(book.Text(row, 0), shown[row - 1][0]);
    const int novak = static_cast<int>(shown.indexOf(kTable[6])) + 1;
    EXPECT_NEAR(book.Number(novak, Column::SpanColumn), 11.0 / 3, 1e-9);
    EXPECT_EQ(book.Format(novak, Column::SpanColumn), "0.0");
    EXPECT_NEAR(book.Number(novak, Column::MeanColumn), 3.4, 1e-9);
    EXPECT_NEAR(book.Number(novak, Column::FirstColumn), SpreadsheetSerial(2024, 3, 1), 1e-9);
    EXPECT_EQ(book.Format(novak, Column::FirstColumn), "d. m. yyyy");
    EXPECT_NEAR(book.Number(novak, Column::ChangeColumn), 11.0 / 3 - 4.5, 1e-9);
    const int chalupa = static_cast<int>(shown.indexOf(kTable[3])) + 1;
    EXPECT_NEAR(book.Number(chalupa, Column::ChangeColumn), 7, 1e-9);
    EXPECT_EQ(book.Format(chalupa, Column::ChangeColumn), "+General;\"\u2212\"General;0");
    // An absent span estimate is an empty cell, not 0; a person without attempts has none.
    const int cibulka = static_cast<int>(shown.indexOf(kTable[0])) + 1;
    EXPECT_EQ(book.Cell(cibulka, Column::SpanColumn), nullptr);
    EXPECT_NEAR(book.Number(cibulka, Column::LatestColumn), 5, 1e-9);
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
