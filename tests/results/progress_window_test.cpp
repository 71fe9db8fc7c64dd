#include "archive_rig.h"
#include "printed_page.h"
#include "results/chart_printing.h"
#include "results/progress_chart.h"
#include "results/progress_window.h"

#include <QChartView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineSeries>
#include <QPrinter>
#include <QToolTip>

namespace vorlant {
namespace {

using test::MakeLog;
using Value = ProgressChart::Value;

const QString kJanMarch1 = QStringLiteral("Novák Jan 2024_03_01 08_00.mem");
const QString kJanMarch5 = QStringLiteral("Novák Jan 2024_03_05 09_07.mem");
const QString kJanMarch5Copy = QStringLiteral("Novák Jan (2) 2024_03_05 09_07.mem");
const QString kJanaMarch2 = QStringLiteral("Nováková Jana 2024_03_02 10_00.mem");
const QString kJanShort = QStringLiteral("Novák Jan 2024_03_06 10_00.mem");
const QString kJanNoDate = QStringLiteral("Novák Jan 2024_02_30 10_00.mem");
const QString kJanEmpty = QStringLiteral("Novák Jan 2024_03_07 10_00.mem");

// Lengths 4 4 4 5 5, outcomes S S F S F: longest success 5, mean 4.4, 60 %.
const LogRecords kMarch1 =
    MakeLog({{4, true, 900}, {4, true, 800}, {4, false, 700}, {5, true, 1200}, {5, false, 1500}});
// Lengths 6 7 6 7, outcomes F F F F: longest success 0, mean 6.5, 0 %, span 6.5 (turns at
// 7 and 6).
const LogRecords kMarch5 =
    MakeLog({{6, false, 2000}, {7, false, 2100}, {6, false, 1900}, {7, false, 2200}});
// Lengths 3 3, outcomes S S: 3, 3, 100 %.
const LogRecords kMarch5Copy = MakeLog({{3, true, 500}, {3, true, 450}});

double X(int year, int month, int day, int hour, int minute)
{
    return double(QDateTime(QDate(year, month, day), QTime(hour, minute)).toMSecsSinceEpoch());
}

class ProgressWindowTest : public test::ArchiveRig
{
protected:
    void WriteFiles()
    {
        WriteResults(kJanMarch1, kMarch1);
        WriteResults(kJanMarch5, kMarch5);
        WriteResults(kJanMarch5Copy, kMarch5Copy);
        WriteResults(kJanaMarch2, kMarch1);
        WriteBytes(kJanShort, std::string(16015, '\1'));
        WriteResults(kJanNoDate, kMarch1);
        WriteResults(kJanEmpty, LogRecords{});
    }
    // Right-clicks the row and picks "Vývoj výsledků" from the list's context menu.
    void ProgressFromContextMenu(int row)
    {
        const QPoint centre = CellCentre(row, 1);
        QTest::mousePress(SG1().viewport(), Qt::RightButton, {}, centre);
        QTest::mouseRelease(SG1().viewport(), Qt::RightButton, {}, centre);
        QContextMenuEvent event(QContextMenuEvent::Mouse, centre,
                                SG1().viewport()->mapToGlobal(centre));
        QApplication::sendEvent(SG1().viewport(), &event);
        QMenu &popup = *window.findChild<QMenu *>("PopupMenu1");
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&popup));
        QAction *item = popup.actions().value(1);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(&popup, Qt::LeftButton, {}, popup.actionGeometry(item).center());
    }
    ProgressWindow *Progress() { return window.findChild<ProgressWindow *>(); }
    QList<QPointF> Points(Value value) { return Progress()->Chart().Series(value).points(); }
    QChartView &View() { return *Progress()->findChild<QChartView *>(); }
    // Where a point of the chart lies in the chart view's viewport.
    QPoint ViewportPositionOf(int index, Value value)
    {
        ProgressChart &chart = Progress()->Chart();
        return View().mapFromScene(chart.mapToScene(chart.PositionOf(index, value)));
    }
};

TEST_F(ProgressWindowTest, WithoutARowOfAPersonThereIsOnlyAMessage)
{
    WriteResults("x.mem", kMarch1); // listed, but without a person
    ShowArchive();
    ASSERT_EQ(Column(2), QStringList{"x.mem"});

    ClickFileMenu("Vývoj výsledků"); // no current row
    ClickRow(0);
    ClickFileMenu("Vývoj výsledků"); // a row without a person

    EXPECT_EQ(sink.messages,
              (std::vector<std::string>{"Vyberte řádek s osobou.", "Vyberte řádek s osobou."}));
    EXPECT_TRUE(!Progress() || !Progress()->isVisible());
}

TEST_F(ProgressWindowTest, EveryTestOfThePersonAndItsCopiesIsAPointAndUnreadableFilesOneMessage)
{
    WriteFiles();
    ShowArchive();
    ProgressFromContextMenu(RowOf(kJanMarch5Copy));

    ASSERT_NE(Progress(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Progress()));
    EXPECT_EQ(Progress()->windowTitle(), "Vývoj výsledků – Novák Jan");
    // In time order; the copy saved in the same minute comes by its name.
    std::vector<QString> files;
    for (const ProgressPoint &test : Progress()->Chart().Tests())
        files.push_back(test.fileName);
    EXPECT_EQ(files, (std::vector<QString>{kJanMarch1, kJanMarch5Copy, kJanMarch5}));
    const double march1 = X(2024, 3, 1, 8, 0), march5 = X(2024, 3, 5, 9, 7);
    EXPECT_EQ(Points(Value::Longest), (QList<QPointF>{{march1, 5}, {march5, 3}, {march5, 0}}));
    EXPECT_EQ(Points(Value::Mean), (QList<QPointF>{{march1, 4.4}, {march5, 3}, {march5, 6.5}}));
    EXPECT_EQ(Points(Value::SuccessPercent),
              (QList<QPointF>{{march1, 60}, {march5, 100}, {march5, 0}}));
    // The tests too short for a span estimate have no point in its series, rather than 0.
    EXPECT_EQ(Points(Value::Span), (QList<QPointF>{{march5, 6.5}}));
    EXPECT_EQ(Progress()->Chart().Series(Value::Span).name(), "Odhad rozpětí");

    // The short file and the one without a real date are named in one message; the empty
    // test and the other person's file are simply not there.
    ASSERT_EQ(sink.messages.size(), 1u);
    QStringList lines = QString::fromStdString(sink.messages[0]).split('\n');
    EXPECT_EQ(lines.takeFirst(), "Tyto soubory nelze načíst, ve vývoji výsledků chybí:");
    lines.sort();
    EXPECT_EQ(lines, (QStringList{kJanNoDate, kJanShort}));

    // The person of a plain row is the same person; the filter does not narrow the tests.
    window.findChild<QComboBox *>("CB1")->setEditText("Novák Jan 2024_03_05");
    window.FillArchiveList();
    ASSERT_EQ(Column(2), QStringList{kJanMarch5});
    ClickRow(0);
    ClickFileMenu("Vývoj výsledků");
    EXPECT_EQ(Progress()->Chart().Tests().size(), 3u);
    EXPECT_EQ(sink.messages.size(), 2u);
}

// A file with lengths no test can have is named as unreadable; a test ended during its first
// attempt, with that attempt alone saved, is no point.
TEST_F(ProgressWindowTest, ImpossibleLengthsAreUnreadableAndATestEndedInItsFirstAttemptNoPoint)
{
    const QString planted = QStringLiteral("Novák Jan 2024_03_02 10_00.mem");
    WriteResults(kJanMarch1, kMarch1);
    WriteResults(planted, MakeLog({{4, true}, {2147483647, true}}));
    WriteResults(QStringLiteral("Novák Jan 2024_03_03 10_00.mem"), MakeLog({{5, true, 640}}));
    ShowArchive();
    ProgressFromContextMenu(RowOf(kJanMarch1));

    ASSERT_NE(Progress(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Progress()));
    EXPECT_EQ(Points(Value::Longest), (QList<QPointF>{{X(2024, 3, 1, 8, 0), 5}}));
    EXPECT_EQ(sink.messages,
              std::vector<std::string>{"Tyto soubory nelze načíst, ve vývoji výsledků chybí:\n" +
                                       planted.toStdString()});
}

TEST_F(ProgressWindowTest, HoveringAPointShowsItsFileAndValues)
{
    WriteResults(kJanMarch1, kMarch1);
    WriteResults(QStringLiteral("Novák Jan 2024_04_10 14_30.mem"), kMarch5);
    ShowArchive();
    ClickRow(0);
    ClickFileMenu("Vývoj výsledků");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Progress()));

    QTest::mouseMove(View().viewport(), ViewportPositionOf(0, Value::Mean));
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), kJanMarch1 + "\nNejdelší zopakovaná řada: 5\nOdhad rozpětí: —"
                                             "\nPrůměrná délka: 4,4\nÚspěšnost %: 60,0");
    // The span estimate's own point, where a test has one.
    QTest::mouseMove(View().viewport(), ViewportPositionOf(1, Value::Span));
    QTRY_VERIFY(QToolTip::text().startsWith("Novák Jan 2024_04_10 14_30.mem"));
    EXPECT_TRUE(QToolTip::text().contains("\nOdhad rozpětí: 6,5\n"))
        << QToolTip::text().toStdString();
    // Away from every point the text goes.
    const QPoint between =
        (ViewportPositionOf(0, Value::SuccessPercent) + ViewportPositionOf(1, Value::Longest)) / 2;
    QTest::mouseMove(View().viewport(), between);
    QTRY_VERIFY(!QToolTip::isVisible());
}

TEST_F(ProgressWindowTest, PrintsOnePageInEitherAreaPlacedAndReportedLikeTheChart)
{
    WriteResults(kJanMarch1, kMarch1);
    ShowArchive();
    ClickRow(0);
    ClickFileMenu("Vývoj výsledků");
    ProgressWindow &progress = *Progress();
    const auto print = [&](const char *item, const QString &file, bool confirm = true) {
        progress.SetPrinterSetup([=](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return confirm;
        });
        progress.findChild<QAction *>(item)->trigger();
    };
    for (const char *item : {"printPortrait", "printLandscape"}) {
        print(item, Path("cancelled.pdf"), false);
        EXPECT_FALSE(QFile::exists(Path("cancelled.pdf"))) << item;
        print(item, Path(item));
        QFile pdf(Path(item));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << item;
        const QByteArray content = pdf.readAll();
        EXPECT_GT(content.size(), 3000) << item << ": the chart is drawn";
        EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1) << item;
    }
    EXPECT_TRUE(sink.errors.empty());

    // Each item's chart lies on the page as the results chart's does.
    for (const test::PrinterCase &printer : test::PrinterCases()) {
        for (const auto &[item, area] : {std::pair{"printPortrait", kPortraitPrintArea.size()},
                                         std::pair{"printLandscape", kLandscapePrintArea.size()}}) {
            const QString pdf = Path(printer.Name() + item + ".pdf");
            SCOPED_TRACE(pdf.toStdString());
            QRectF printable;
            progress.SetPrinterSetup([&](QPrinter &setUp) {
                setUp.setOutputFileName(pdf);
                printable = printer.SetUp(setUp);
                return true;
            });
            progress.findChild<QAction *>(item)->trigger();
            EXPECT_TRUE(test::PrintedInPlaceOf(test::RenderPrintedPage(pdf), printable, area));
        }
    }
    EXPECT_TRUE(sink.errors.empty());

    ASSERT_TRUE(QFile(Path("plain")).open(QIODevice::WriteOnly));
    print("printLandscape", Path("plain/progress.pdf"));
    EXPECT_EQ(sink.errors, std::vector<std::string>{"Tisk se nepodařil: soubor „" +
                                                    Path("plain/progress.pdf").toStdString() +
                                                    "“ nelze vytvořit"});
    EXPECT_TRUE(progress.isVisible());
}

} // namespace
} // namespace vorlant
