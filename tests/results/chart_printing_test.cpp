#include "results/chart_attempts.h"
#include "results/chart_drawing.h"
#include "results/chart_window.h"
#include "tests/results/chart_test_support.h"

#include <QAction>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vorlant {
namespace {

using namespace chart_test;

const QColor kUntouched{255, 0, 255};

// Draws the chart of the log into the target rectangle of an image that is larger than it.
QImage DrawnInto(const QRect &target, const LogRecords &log)
{
    QImage image(target.right() + 40, target.bottom() + 30, QImage::Format_RGB32);
    image.fill(kUntouched);
    QPainter painter(&image);
    DrawChart(painter, target, log);
    return image;
}

struct DrawCase
{
    const char *name;
    QRect target;

    friend void PrintTo(const DrawCase &c, std::ostream *out) { *out << c.name; }
};

class DrawChartTest : public ::testing::TestWithParam<DrawCase>
{};

TEST_P(DrawChartTest, FillsTheRectangleOnlyWithTheWholeChartLaidOutForIt)
{
    const QRect target = GetParam().target;
    const QImage image = DrawnInto(target, FiveAttempts());

    for (const QPoint inside : {target.topLeft(), target.topRight(), target.bottomLeft(),
                                target.bottomRight(), target.center()}) {
        EXPECT_NE(image.pixelColor(inside), kUntouched) << inside.x() << "," << inside.y();
    }
    for (const QPoint outside :
         {target.topLeft() - QPoint(1, 1), target.bottomRight() + QPoint(1, 1),
          QPoint(target.right() + 1, target.top()), QPoint(target.left(), target.bottom() + 1)}) {
        if (image.rect().contains(outside)) {
            EXPECT_EQ(image.pixelColor(outside), kUntouched) << outside.x() << "," << outside.y();
        }
    }

    const std::vector<PaintedBar> bars = FindPaintedBars(image);
    ASSERT_EQ(bars.size(), 5u);
    const std::vector<QColor> colours{kYellow, kYellow, kRed, kYellow, kRed};
    for (std::size_t i = 0; i < bars.size(); ++i) {
        EXPECT_EQ(bars[i].colour, colours[i]) << "bar " << i;
        EXPECT_EQ(bars[i].bottom, bars[0].bottom) << "bar " << i;
    }
    // The bars take most of the rectangle, whatever its size, and stand on zero.
    EXPECT_GT(bars[4].right - bars[0].left, target.width() * 0.6);
    EXPECT_GT(bars[4].bottom - bars[4].top, target.height() * 0.4);
    const double ratio =
        double(bars[3].bottom - bars[3].top + 1) / (bars[0].bottom - bars[0].top + 1);
    EXPECT_NEAR(ratio, 5.0 / 4.0, 0.03);
}

INSTANTIATE_TEST_SUITE_P(Rectangles, DrawChartTest,
                         ::testing::Values(DrawCase{"WindowSized", QRect(0, 0, 700, 340)},
                                           DrawCase{"Portrait", QRect(30, 20, 480, 280)},
                                           DrawCase{"Landscape", QRect(10, 10, 680, 480)},
                                           DrawCase{"Small", QRect(5, 5, 300, 175)}),
                         [](const auto &info) { return std::string(info.param.name); });

class ChartPrintingTest : public ::testing::Test
{
protected:
    // Stands in for the printer setup dialog: prints to a PDF file, or cancels.
    void PrintTo(const QString &file, bool confirm = true)
    {
        window.SetPrinterSetup([this, file, confirm](QPrinter &printer) {
            ++setups;
            resolution = printer.resolution();
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return confirm;
        });
    }
    QAction &Action(const char *name) { return *window.findChild<QAction *>(name); }
    QString Path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    RecordingSink sink;
    ChartWindow window{sink};
    int setups = 0;
    int resolution = 0;
};

TEST_F(ChartPrintingTest, CancelledSetupPrintsNothing)
{
    window.ShowResultsChart(FiveAttempts());
    for (const char *item : {"isk1", "Vbrtiskrny1"}) {
        PrintTo(Path("cancelled.pdf"), false);
        Action(item).trigger();
        EXPECT_FALSE(QFile::exists(Path("cancelled.pdf"))) << item;
    }
    EXPECT_EQ(setups, 2);
    EXPECT_TRUE(sink.errors.empty());
}

TEST_F(ChartPrintingTest, EachMenuItemPrintsOnePdfPageTitledCh1)
{
    window.ShowResultsChart(FiveAttempts());
    for (const char *item : {"isk1", "Vbrtiskrny1"}) {
        const QString file = Path(item) + ".pdf";
        PrintTo(file);
        Action(item).trigger();

        QFile pdf(file);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << item;
        const QByteArray content = pdf.readAll();
        EXPECT_TRUE(content.startsWith("%PDF")) << item;
        EXPECT_GT(content.size(), 3000) << item;
        EXPECT_EQ(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1) << item;
        const QByteArray title = QByteArray("/Title (\xFE\xFF") + QByteArray("\0C\0h\0"
                                                                             "1)",
                                                                             7);
        EXPECT_TRUE(content.contains(title)) << item << ": the job's title";
    }
    EXPECT_GE(resolution, 300) << "printing at the printer's high resolution";
    EXPECT_TRUE(sink.errors.empty());
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ChartPrintingTest, PrinterThatCannotBeOpenedIsReportedAndChangesNothing)
{
    QFile plain(Path("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    const QString file = Path("plain") + "/chart.pdf"; // below a regular file

    window.ShowResultsChart(FiveAttempts());
    const std::vector<ChartBar> before = window.Chart().Bars();
    PrintTo(file);
    Action("Vbrtiskrny1").trigger();

    ASSERT_EQ(sink.errors.size(), 1u);
    EXPECT_NE(sink.errors[0].find(file.toStdString()), std::string::npos) << sink.errors[0];
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Chart().Bars(), before);

    // The same printer works again once it points somewhere writable.
    PrintTo(Path("after.pdf"));
    Action("isk1").trigger();
    EXPECT_TRUE(QFile::exists(Path("after.pdf")));
    EXPECT_EQ(sink.errors.size(), 1u);
}

} // namespace
} // namespace vorlant
