#include "printed_page.h"

#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRectF>
#include <QTemporaryDir>

#include <algorithm>
#include <string>

namespace vorlant::test {
namespace {

// Anti-aliased edges fade into the paper; fainter than this counts as white.
constexpr int kWhiteEnough = 250;

QRect NonWhiteBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            if (qRed(pixel) < kWhiteEnough || qGreen(pixel) < kWhiteEnough ||
                qBlue(pixel) < kWhiteEnough)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

QRectF PrinterCase::SetUp(QPrinter &printer) const
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(dpi);
    printer.setPageSize(QPageSize(paper));
    printer.setPageOrientation(orientation);
    return printer.pageLayout().paintRect(QPageLayout::Point);
}

QString PrinterCase::Name() const
{
    return QStringLiteral("%1-%2-%3-")
        .arg(dpi)
        .arg(QPageSize(paper).key(), orientation == QPageLayout::Portrait
                                         ? QStringLiteral("portrait")
                                         : QStringLiteral("landscape"));
}

std::vector<PrinterCase> PrinterCases()
{
    std::vector<PrinterCase> cases;
    for (const int dpi : {300, 600, 1200})
        for (const QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter})
            for (const QPageLayout::Orientation orientation :
                 {QPageLayout::Portrait, QPageLayout::Landscape})
                cases.push_back({dpi, paper, orientation});
    return cases;
}

PrintedPage RenderPrintedPage(const QString &pdf)
{
    QTemporaryDir folder;
    const QString prefix = folder.filePath(QStringLiteral("page"));
    QProcess render;
    render.start(QStringLiteral(VORLANT_PDFTOPPM),
                 {"-r", "72", "-f", "1", "-l", "1", "-singlefile", "-png", pdf, prefix});
    if (!render.waitForFinished(60000) || render.exitCode() != 0)
        return {"pdftoppm: " + QString::fromLocal8Bit(render.readAllStandardError()), {}, {}};
    const QImage image =
        QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        return {QStringLiteral("no image of ") + QFileInfo(pdf).fileName(), {}, {}};
    return {{}, image.size(), NonWhiteBounds(image)};
}

::testing::AssertionResult PrintedInPlaceOf(const PrintedPage &page, const QRectF &printable,
                                            const QSize &area)
{
    if (!page.error.isEmpty())
        return ::testing::AssertionFailure() << page.error.toStdString();
    const QSizeF at600Dpi = QSizeF(area) * 72.0 / 600.0;
    const double scale = std::min(
        {1.0, printable.width() / at600Dpi.width(), printable.height() / at600Dpi.height()});
    const QRectF expected(printable.topLeft(), at600Dpi * scale);
    // Rendering rounds to whole points; the chart's own margins are white.
    const QRectF allowed = expected.adjusted(-1, -1, 1, 1);
    const QRect &drawn = page.drawn;
    const auto describe = [&] {
        return "drawn " + std::to_string(drawn.x()) + "," + std::to_string(drawn.y()) + " " +
               std::to_string(drawn.width()) + "x" + std::to_string(drawn.height()) +
               " pt, expected " + std::to_string(expected.x()) + "," +
               std::to_string(expected.y()) + " " + std::to_string(expected.width()) + "x" +
               std::to_string(expected.height());
    };
    if (drawn.isEmpty() || !allowed.contains(QRectF(drawn)))
        return ::testing::AssertionFailure() << describe();
    if (drawn.width() < 0.9 * expected.width() || drawn.height() < 0.9 * expected.height())
        return ::testing::AssertionFailure() << "too small: " << describe();
    return ::testing::AssertionSuccess() << describe();
}

} // namespace vorlant::test
