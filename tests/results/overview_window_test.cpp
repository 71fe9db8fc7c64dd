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
#include <QProgressDialog>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableView>
#include <QTimer>

#include <cmath>

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
    QStringList Headers()
    {
        QStringList texts;
        for (int column = 0; column < Shown().columnCount(); ++column)
            texts << Shown().headerData(column, Qt::Horizontal).toString();
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

TEST_F(OverviewWindowTest, TheMenusOfferTheOverviewAndTheExcelExport)
{
    EXPECT_EQ(Texts(*window.findChild<QMenu *>("Soubor1")),
              (QStringList{"Otevřít", "Vývoj výsledků", "Přehled osob", "Export do CSV…",
                           "Export do Excelu…", "Konec"}));
    EXPECT_EQ(Texts(*window.findChild<QMenu *>("PopupMenu1")),
              (QStringList{"Vytvoření nové složky", "Vývoj výsledků", "Přehled osob"}));
    EXPECT_EQ(Texts(*chart.findChild<QMenu *>()),
              (QStringList{"Tisk - vyber tisk na šířku", "Tisk - vyber tisk na výšku",
                           "Export do CSV…", "Export do Excelu…", "Konec"}));
    EXPECT_EQ(Texts(*Overview().findChild<QMenu *>("overviewFile")),
              (QStringList{"Export do Excelu…", "Konec"}));
    EXPECT_EQ(Texts(*Overview().findChild<QMenu *>("overviewActions")), QStringList{"Tisk"});
}

TEST_F(OverviewWindowTest, ShowsAPersonARowWithTheFiguresOfAllTheirTestsAndUnreadableFilesOnce)
{
    WriteFiles();
    ShowArchive();
    ShowOverview();

    EXPECT_EQ(Overview().windowTitle(), "Přehled osob");
    EXPECT_EQ(Headers(), (QStringList{"Příjmení, jméno", "Testů", "Nejlepší řada", "Poslední řada",
                                      "Průměrná délka", "Úspěšnost %", "První test",
                                      "Poslední test", "Změna"}));
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

    // A printer that cannot take the job is reported as for the charts.
    cancel = false;
    const QString folder = Path("folder.pdf");
    ASSERT_TRUE(QDir(root.path()).mkdir("folder.pdf"));
    Overview().SetPrinterSetup([&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder);
        return true;
    });
    test::ClickMenuItem(Overview(), "Akce", "Tisk");
    EXPECT_EQ(sink.errors,
              std::vector<std::string>{
                  ("Tisk se nepodařil: soubor „" + folder + "“ nelze vytvořit").toStdString()});
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
    EXPECT_EQ(book.sheetNames, QStringList{"Přehled"});
    EXPECT_EQ(book.frozenTopLeft, "A2");
    EXPECT_EQ(book.autoFilter, "A1:I8");
    EXPECT_EQ(book.RowCount(), 8);
    for (int column = 0; column < 9; ++column) {
        EXPECT_EQ(book.Text(0, column), Headers()[column]);
        EXPECT_TRUE(book.Bold(0, column));
        EXPECT_GE(book.columnWidths.at(column), Headers()[column].size());
    }
    // Each row against the files' figures, as the table shows them in this order.
    const std::map<QString, std::vector<double>> figures = {
        // tests, best, latest, mean, success, first, last, change
        {"Cibulka Ivo",
         {1, 5, 5, 5, 100, SpreadsheetSerial(2024, 4, 1), SpreadsheetSerial(2024, 4, 1), 0}},
        {"Čapek Karel",
         {1, 3, 3, 3, 200.0 / 3, SpreadsheetSerial(2023, 11, 2), SpreadsheetSerial(2023, 11, 2),
          0}},
        {"Hora Petr",
         {1, 0, 0, 4, 0, SpreadsheetSerial(2024, 2, 1), SpreadsheetSerial(2024, 2, 1), 0}},
        {"Chalupa Eva",
         {2, 12, 12, 10.5, 50, SpreadsheetSerial(2024, 1, 15), SpreadsheetSerial(2024, 2, 15), 7}},
        {"Ivan Ota",
         {2, 6, 6, 6, 100, SpreadsheetSerial(2024, 5, 2), SpreadsheetSerial(2024, 5, 2), 0}},
        {"Jelen Aleš", {1}},
        {"Novák Jan",
         {3, 7, 3, 3.5, 50, SpreadsheetSerial(2024, 3, 1), SpreadsheetSerial(2024, 3, 10), -2}},
    };
    for (int row = 1; row < 8; ++row) {
        const QString person = shown[row - 1][0];
        SCOPED_TRACE(person.toStdString());
        EXPECT_EQ(book.Text(row, 0), person);
        const std::vector<double> &values = figures.at(person);
        for (int column = 1; column < 9; ++column) {
            if (std::size_t(column - 1) >= values.size()) {
                EXPECT_EQ(book.Cell(row, column), nullptr) << column;
                continue;
            }
            EXPECT_NEAR(book.Number(row, column), values[column - 1], 1e-9) << column;
        }
        if (values.size() > 1) {
            EXPECT_EQ(book.Format(row, 6), "d. m. yyyy");
            EXPECT_EQ(book.Format(row, 7), "d. m. yyyy");
        }
    }
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(OverviewWindowTest, ALongReadingShowsADialogThatCancelsItWhileTheProgramAnswers)
{
    for (int day = 1; day <= 28; ++day)
        WriteResults(QStringLiteral("Novák Jan 2024_02_%1 10_00.mem").arg(day, 2, 10, QChar('0')),
                     kFiles[0].log);
    ShowArchive();
    Overview().SetProgressDialogAfter(std::chrono::milliseconds(0)); // every reading is long
    ExpectDialogWhileReading(Overview(), [&] { ShowOverview(); });
    EXPECT_EQ(ShownColumn(Column::TestsColumn), QStringList{"28"});
    Overview().hide();

    // Cancelled: the window stays hidden and as it was, and nothing is reported.
    WriteResults(QStringLiteral("Novák Jan 2024_02_29 10_00.mem"), kFiles[0].log);
    CancelReading(Overview(), [&] { ClickFileMenu("Přehled osob"); });
    EXPECT_FALSE(Overview().isVisible());
    EXPECT_EQ(ShownColumn(Column::TestsColumn), QStringList{"28"});
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(OverviewWindowTest, TheArchiveListsTheTestsOfAPersonOldestFirst)
{
    // Written in a shuffled order, so that the folder's order is not the time order.
    QStringList names;
    for (int day = 1; day <= 28; ++day) {
        names << QStringLiteral("Novák Jan 2024_02_%1 10_00.mem").arg(day, 2, 10, QChar('0'));
        names << QStringLiteral("Adam Petr 2023_%1_01 07_30.mem")
                     .arg(day % 12 + 1, 2, 10, QChar('0'));
    }
    names.removeDuplicates();
    QStringList shuffled = names;
    std::shuffle(shuffled.begin(), shuffled.end(), *QRandomGenerator::global());
    for (const QString &name : shuffled)
        WriteResults(name, kFiles[0].log);
    ShowArchive();
    names.sort(); // by person, then by the time, which sorts as its text
    EXPECT_EQ(Column(2), names);
}

} // namespace
} // namespace vorlant
