#include "results/chart_printing.h"

#include "results/chart_drawing.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

#include <algorithm>
#include <exception>

namespace vorlant {
namespace {

// The printed summary line's size on paper.
constexpr double kSummaryLinePoints = 10;

QString Tr(const char *text)
{
    return QCoreApplication::translate("ChartPrinting", text);
}

// Names the output file, else the printer, that could not take the job.
QString CannotOpen(const QPrinter &printer)
{
    if (!printer.outputFileName().isEmpty())
        return PrintFailure(Tr(QT_TRANSLATE_NOOP("ChartPrinting", "soubor „%1“ nelze vytvořit"))
                                .arg(printer.outputFileName()));
    return PrintFailure(Tr(QT_TRANSLATE_NOOP("ChartPrinting", "tiskárnu „%1“ nelze otevřít"))
                            .arg(printer.printerName()));
}

QString CannotFinish(const QPrinter &printer)
{
    if (!printer.outputFileName().isEmpty())
        return PrintFailure(Tr(QT_TRANSLATE_NOOP("ChartPrinting", "soubor „%1“ nelze dopsat"))
                                .arg(printer.outputFileName()));
    return PrintFailure(Tr(QT_TRANSLATE_NOOP("ChartPrinting", "tiskárna „%1“ úlohu nepřijala"))
                            .arg(printer.printerName()));
}

// Qt's PDF writer does not check its last writes, so a file that a full disk cut short shows
// only by its missing end. Only a regular file is looked at.
bool PdfFileIsWhole(const QPrinter &printer)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return true;
    QFile file(printer.outputFileName());
    if (!QFileInfo(file).isFile())
        return true;
    if (!file.open(QIODevice::ReadOnly) || !file.seek(std::max<qint64>(0, file.size() - 16)))
        return false;
    return file.readAll().trimmed().endsWith("%%EOF");
}

} // namespace

QString PrintFailure(const QString &reason)
{
    return Tr(QT_TRANSLATE_NOOP("ChartPrinting", "Tisk se nepodařil: %1")).arg(reason);
}

QString PrintChart(QPrinter &printer, const QRect &area, const LogRecords &log,
                   const QString &summaryLine)
{
    return PrintPage(printer, area, QStringLiteral("Ch1"),
                     [&](QPainter &painter, const QRectF &target) {
                         DrawChartWithLine(painter, target, log, summaryLine);
                     });
}

void DrawChartWithLine(QPainter &painter, const QRectF &target, const LogRecords &log,
                       const QString &summaryLine)
{
    if (summaryLine.isEmpty()) {
        DrawChart(painter, target, log);
        return;
    }
    // The line is as large on paper as the chart's own labels, whatever the printer's
    // resolution and however the page scales the target: a size in points, turned into the
    // painter's own units.
    const double dotsPerUnit = painter.combinedTransform().mapRect(QRectF(0, 0, 1, 1)).height();
    const double dpi = painter.device() ? painter.device()->logicalDpiY() : 96.0;
    QFont font = painter.font();
    font.setPixelSize(std::max(1, qRound(kSummaryLinePoints / 72.0 * dpi / dotsPerUnit)));
    const QStringList lines = summaryLine.split(u'\n');
    qreal width = 0;
    for (const QString &line : lines)
        width = std::max(width, QFontMetricsF(font).horizontalAdvance(line));
    if (width > target.width())
        font.setPixelSize(std::max(1, int(font.pixelSize() * target.width() / width * 0.95)));
    const QFontMetricsF metrics(font);
    const qreal height = metrics.height() * (lines.size() + 0.6);
    DrawChart(painter, target.adjusted(0, 0, 0, -height), log);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(target.left(), target.bottom() - height, target.width(), height),
                     Qt::AlignLeft | Qt::AlignVCenter, summaryLine);
    painter.restore();
}

QRectF PlacePrintArea(const QRect &area, const QSizeF &printableDots, double dpi)
{
    const QSizeF largest = QSizeF(area.size()) * (dpi / kPrintAreaDpi);
    const double scale = std::min(
        {1.0, printableDots.width() / largest.width(), printableDots.height() / largest.height()});
    return {QPointF(0, 0), largest * scale};
}

QString PrintPage(QPrinter &printer, const QRect &area, const QString &docName,
                  const PageDrawing &draw)
{
    return PrintPages(printer, docName, [&](QPainter &painter) {
        const QSizeF printable = printer.pageLayout().paintRectPixels(printer.resolution()).size();
        const QRectF placed = PlacePrintArea(area, printable, printer.resolution());
        painter.translate(placed.topLeft());
        painter.scale(placed.width() / area.width(), placed.height() / area.height());
        painter.translate(-area.topLeft());
        draw(painter, area);
    });
}

QString PrintPages(QPrinter &printer, const QString &docName, const PagesDrawing &draw)
{
    printer.setDocName(docName);
    QPainter painter;
    if (!painter.begin(&printer))
        return CannotOpen(printer);
    try {
        draw(painter);
    } catch (const std::exception &error) {
        // Not every print engine can abort; one that cannot still holds an open job.
        if (!printer.abort() || printer.printerState() == QPrinter::Active)
            painter.end();
        return PrintFailure(QString::fromUtf8(error.what()));
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error || !PdfFileIsWhole(printer))
        return CannotFinish(printer);
    return {};
}

} // namespace vorlant
