#include "printed_page.h"
#include "results/chart_attempts.h"
#include "results/chart_drawing.h"
#include "results/chart_printing.h"
#include "results/chart_window.h"
#include "tests/results/pdf_text.h"
#include "tests/store/store_test_support.h"
#include "tests/support/recording_sink.h"

#include <QAction>
#include <QChartView>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QValueAxis>
#include <gtest/gtest.h>

#include <cmath>

namespace vorlant {
namespace {

const QColor kYellow{255, 255, 0};
const QColor kRed{255, 0, 0};

using test::MakeLog;

const LogRecords kFiveAttempts = MakeLog({{4, true}, {4, true}, {4, false}, {5, true}, {5, false}});

// A run of neighbouring pixel columns painted in one bar colour.
struct PaintedBar
{
    int left, right, top, bottom;
    QColor colour;

    int Height() const { return bottom - top + 1; }
};

// The bars an image shows, left to right, found by their exact colours.
std::vector<PaintedBar> FindPaintedBars(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<PaintedBar> bars;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel != kYellow && pixel != kRed)
                continue;
            if (bars.empty() || bars.back().colour != pixel || bars.back().right < x - 1)
                bars.push_back({x, x, y, y, pixel});
            PaintedBar &bar = bars.back();
            bar.right = x;
            bar.top = std::min(bar.top, y);
            bar.bottom = std::max(bar.bottom, y);
        }
    }
    return bars;
}

// Whether the bars are those of kFiveAttempts: their colours on one baseline, heights 4 : 5.
::testing::AssertionResult ShowFiveAttempts(const std::vector<PaintedBar> &bars)
{
    std::vector<QColor> colours;
    for (const PaintedBar &bar : bars) {
        colours.push_back(bar.colour);
        if (bar.bottom != bars[0].bottom)
            return ::testing::AssertionFailure() << "bars on different baselines";
    }
    if (colours != std::vector<QColor>{kYellow, kYellow, kRed, kYellow, kRed})
        return ::testing::AssertionFailure() << bars.size() << " bars, not the five attempts'";
    const double ratio = double(bars[3].Height()) / bars[0].Height();
    return std::abs(ratio - 1.25) < 0.03 ? ::testing::AssertionSuccess()
                                         : ::testing::AssertionFailure() << "heights " << ratio;
}

class ChartWindowTest : public ::testing::Test
{
protected:
    QImage Screenshot() { return window.findChild<QChartView *>("Ch1")->grab().toImage(); }

    // Runs the menu item with a printer setup that prints into a PDF file, or cancels.
    void Print(const char *item, const QString &file, bool confirm = true)
    {
        window.SetPrinterSetup([=, this](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return confirm;
        });
        window.findChild<QAction *>(item)->trigger();
    }
    QString Path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    testing::RecordingSink sink;
    ChartWindow window{sink};
};

TEST_F(ChartWindowTest, FiveAttemptsGiveFiveBarsInTheirColoursOnAnAxisFromZeroUntilHidden)
{
    window.ShowResultsChart(kFiveAttempts);

    const std::vector<ChartBar> expected{
        {0, 4, kYellow}, {1, 4, kYellow}, {2, 4, kRed}, {3, 5, kYellow}, {4, 5, kRed}};
    EXPECT_EQ(window.Chart().Bars(), expected);
    EXPECT_TRUE(ShowFiveAttempts(FindPaintedBars(Screenshot())));

    // "Konec" and the close box only hide the window; the bars stay until the next fill.
    window.findChild<QAction *>("Konec1")->trigger();
    EXPECT_FALSE(window.isVisible());
    window.ShowResultsChart(kFiveAttempts);
    EXPECT_TRUE(window.close());
    QCoreApplication::processEvents();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.Chart().Bars(), expected);
}

// The log with every record from index `from` on filled with varied attempts.
LogRecords FilledFrom(LogRecords log, int from)
{
    for (int i = from; i < kLogRecords; ++i)
        log[i] = {2 + i % 7, i % 3 == 0, i};
    return log;
}

TEST_F(ChartWindowTest, DrawsTheRecordsBeforeTheFirstOfLengthZeroInPlaceOfThePreviousBars)
{
    const struct
    {
        const char *name;
        LogRecords log;
        int bars;
    } cases[] = {{"all zero", LogRecords{}, 0},
                 {"record 0 empty, later ones filled", FilledFrom({}, 1), 0},
                 {"end record after five", FilledFrom(kFiveAttempts, 6), 5},
                 {"odd lengths as they stand", MakeLog({{-3, true}, {70, false}, {1, true}}), 3},
                 {"full", FilledFrom({}, 0), kLogRecords}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        window.ShowResultsChart(MakeLog({{9, false}, {8, true}}));
        window.ShowResultsChart(c.log);

        const std::vector<ChartBar> bars = window.Chart().Bars();
        ASSERT_EQ(static_cast<int>(bars.size()), c.bars);
        for (int i = 0; i < c.bars; ++i) {
            const ChartBar expected{i, double(c.log[i].length), c.log[i].success ? kYellow : kRed};
            EXPECT_EQ(bars[i], expected) << "bar " << i;
        }
        EXPECT_LE(window.Chart().BottomAxis().min(), 0);
        EXPECT_GE(window.Chart().BottomAxis().max(), c.bars - 1);
        EXPECT_EQ(FindPaintedBars(Screenshot()).empty(), c.bars == 0);
    }
}

TEST(DrawChartTest, FillsOnlyTheRectangleWithTheWholeChartLaidOutForIt)
{
    const QColor untouched{255, 0, 255};
    for (const QRect target :
         {QRect(30, 20, 480, 280), QRect(10, 10, 680, 480), QRect(5, 5, 300, 175)}) {
        SCOPED_TRACE(target.width());
        QImage image(target.right() + 40, target.bottom() + 30, QImage::Format_RGB32);
        image.fill(untouched);
        QPainter painter(&image);
        DrawChart(painter, target, kFiveAttempts);
        painter.end();

        for (const QPoint inside : {target.topLeft(), target.bottomRight(), target.center()})
            EXPECT_NE(image.pixelColor(inside), untouched) << inside.x() << "," << inside.y();
        EXPECT_EQ(image.pixelColor(target.topLeft() - QPoint(1, 1)), untouched);
        EXPECT_EQ(image.pixelColor(target.bottomRight() + QPoint(1, 1)), untouched);
        const std::vector<PaintedBar> bars = FindPaintedBars(image);
        ASSERT_TRUE(ShowFiveAttempts(bars));
        // The bars take most of the rectangle, whatever its size.
        EXPECT_GT(bars[4].right - bars[0].left, target.width() * 0.6);
        EXPECT_GT(bars[4].Height(), target.height() * 0.4);
    }
}

// Lengths 4 5 4 5 6 5 turn at 5, 4 and 6: span estimate 5; the correct attempts took 1000 ms
// for 4 cells, 2000 and 3000 ms for 5 and 2400 ms for 5: 0.4325 s an item.
const LogRecords kSixAttempts = MakeLog({{4, true, 1000},
                                         {5, true, 2000},
                                         {4, false, 900},
                                         {5, true, 3000},
                                         {6, false, 800},
                                         {5, true, 2400}});

TEST_F(ChartWindowTest, TheLineUnderTheChartGivesTheTestsMeasuresAndADashForThoseItLacks)
{
    const struct
    {
        const char *name;
        LogRecords log;
        bool personalBest;
        QString line;
    } cases[] = {
        {"every measure", kSixAttempts, false,
         "Správně 4 z 6 (67 %) · Nejdelší zopakovaná řada 5 · Odhad rozpětí 5,0 · Čas na položku "
         "0,43 s"},
        {"a new personal best", kSixAttempts, true,
         "Nový osobní rekord!\nSprávně 4 z 6 (67 %) · Nejdelší zopakovaná řada 5 · Odhad "
         "rozpětí 5,0 · Čas na položku 0,43 s"},
        {"nothing correct", MakeLog({{4, false, 900}, {4, false, 1200}}), false,
         "Správně 0 z 2 (0 %) · Nejdelší zopakovaná řada — · Odhad rozpětí — · Čas na položku —"},
        {"no attempt", LogRecords{}, false,
         "Správně 0 z 0 (—) · Nejdelší zopakovaná řada — · Odhad rozpětí — · Čas na položku —"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        window.ShowResultsChart(c.log, {}, c.personalBest);
        const QLabel *line = window.findChild<QLabel *>("summaryLine");
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->text(), c.line);
        EXPECT_TRUE(line->isVisible());
        // Below the chart, which keeps its bars.
        EXPECT_GE(line->geometry().top(),
                  window.findChild<QChartView *>("Ch1")->geometry().bottom());
        EXPECT_EQ(window.Chart().Bars().size(), std::size_t(RecordCount(c.log)));
    }
}

TEST_F(ChartWindowTest, EachPrintItemPrintsOnePageTitledCh1UnlessCancelled)
{
    window.ShowResultsChart(kFiveAttempts);
    for (const char *item : {"isk1", "Vbrtiskrny1"}) {
        SCOPED_TRACE(item);
        Print(item, Path("cancelled.pdf"), false);
        EXPECT_FALSE(QFile::exists(Path("cancelled.pdf")));

        Print(item, Path(item));
        QFile pdf(Path(item));
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        const QByteArray content = pdf.readAll();
        EXPECT_GT(content.size(), 3000) << "the chart is drawn";
        EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);
        const QByteArray title = "/Title (" + QByteArray::fromHex("feff004300680031") + ')';
        EXPECT_TRUE(content.contains(title)) << "the job's title";
        pdf.close();
        // The line of measures goes with the chart, below it.
        const QString text = test::PdfText(Path(item));
        const qsizetype line = text.indexOf("Správně 3 z 5 (60 %) · Nejdelší zopakovaná řada 5");
        EXPECT_GE(line, 0) << text.toStdString();
        EXPECT_GT(line, text.indexOf("Přehled pokusů")) << "below the chart's title";
    }
    EXPECT_TRUE(sink.errors.empty());
}

// Each item's chart lies in the printable area from its top left, as large as the area lets it
// be up to its size at 600 dots per inch, in its own proportions: on any printer resolution,
// paper and orientation.
TEST_F(ChartWindowTest, EachPrintItemFillsThePrintableAreaUpToItsSizeAt600Dpi)
{
    window.ShowResultsChart(kFiveAttempts);
    for (const test::PrinterCase &printer : test::PrinterCases()) {
        for (const auto &[item, area] : {std::pair{"isk1", kPortraitPrintArea.size()},
                                         std::pair{"Vbrtiskrny1", kLandscapePrintArea.size()}}) {
            const QString pdf = Path(printer.Name() + item + ".pdf");
            SCOPED_TRACE(pdf.toStdString());
            QRectF printable;
            window.SetPrinterSetup([&](QPrinter &setUp) {
                setUp.setOutputFileName(pdf);
                printable = printer.SetUp(setUp);
                return true;
            });
            window.findChild<QAction *>(item)->trigger();

            const test::PrintedPage page = test::RenderPrintedPage(pdf);
            EXPECT_TRUE(test::PrintedInPlaceOf(page, printable, area));
            if (printer.orientation == QPageLayout::Portrait && area == kPortraitPrintArea.size()) {
                EXPECT_GE(page.drawn.width(), 0.75 * printable.width());
            }
        }
    }
    EXPECT_TRUE(sink.errors.empty());
}

// A full disk that cuts the file short while the job ends is a failed print too; the next
// print, with room on the disk, goes out whole.
TEST_F(ChartWindowTest, APdfFileCutShortIsReportedAndTheNextPrintWorks)
{
    window.ShowResultsChart(kFiveAttempts);
    const QString file = Path("cut.pdf");
    test::WithFileSizeLimit(2048, [&] {
        Print("isk1", file);
        return true;
    });
    EXPECT_EQ(sink.errors, std::vector<std::string>{"Tisk se nepodařil: soubor „" +
                                                    file.toStdString() + "“ nelze dopsat"});

    sink.errors.clear();
    Print("Vbrtiskrny1", Path("whole.pdf"));
    EXPECT_TRUE(sink.errors.empty());
    EXPECT_TRUE(test::RenderPrintedPage(Path("whole.pdf")).error.isEmpty());
}

TEST_F(ChartWindowTest, APrinterThatCannotBeOpenedIsReportedAndChangesNothing)
{
    ASSERT_TRUE(QFile(Path("plain")).open(QIODevice::WriteOnly));
    const QString file = Path("plain/chart.pdf"); // below a regular file
    window.ShowResultsChart(kFiveAttempts);

    Print("Vbrtiskrny1", file);

    ASSERT_EQ(sink.errors.size(), 1u);
    EXPECT_NE(sink.errors[0].find(file.toStdString()), std::string::npos) << sink.errors[0];
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Chart().Bars().size(), 5u);
    // The same printer works again once it points somewhere writable.
    Print("isk1", Path("after.pdf"));
    EXPECT_TRUE(QFile::exists(Path("after.pdf")));
    EXPECT_EQ(sink.errors.size(), 1u);
}

} // namespace
} // namespace vorlant
