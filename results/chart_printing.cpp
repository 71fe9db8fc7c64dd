#include "results/chart_printing.h"

#include "results/chart_drawing.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QStringList>

#include <algorithm>

#include <exception>

namespace vorlant {
namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("ChartPrinting", text);
}

QString Failure(const QString &reason)
{
    return Tr(QT_TRANSLATE_NOOP("ChartPrinting", "Tisk se nepodařil: %1")).arg(reason);
}

// Names the output file, else the printer, that could not take the job.
QString CannotOpen(const QPrinter &printer)
{
    if (!printer.outputFileName().isEmpty())
        return Failure(Tr(QT_TRANSLATE_NOOP("ChartPrinting", "soubor „%1“ nelze vytvořit"))
                           .arg(printer.outputFileName()));
    return Failure(Tr(QT_TRANSLATE_NOOP("ChartPrinting", "tiskárnu „%1“ nelze otevřít"))
                       .arg(printer.printerName()));
}

QString CannotFinish(const QPrinter &printer)
{
    if (!printer.outputFileName().isEmpty())
        return Failure(Tr(QT_TRANSLATE_NOOP("ChartPrinting", "soubor „%1“ nelze dopsat"))
                           .arg(printer.outputFileName()));
    return Failure(Tr(QT_TRANSLATE_NOOP("ChartPrinting", "tiskárna „%1“ úlohu nepřijala"))
                       .arg(printer.printerName()));
}

} // namespace

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
    QFont font = painter.font();
    const QStringList lines = summaryLine.split(u'\n');
    qreal width = 0;
    for (const QString &line : lines)
        width = std::max(width, QFontMetricsF(font, painter.device()).horizontalAdvance(line));
    if (width > target.width() && font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * target.width() / width * 0.95);
    const QFontMetricsF metrics(font, painter.device());
    const qreal height = metrics.height() * (lines.size() + 0.6);
    DrawChart(painter, target.adjusted(0, 0, 0, -height), log);
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(target.left(), target.bottom() - height, target.width(), height),
                     Qt::AlignLeft | Qt::AlignVCenter, summaryLine);
    painter.restore();
}

QString PrintPage(QPrinter &printer, const QRect &area, const QString &docName,
                  const PageDrawing &draw)
{
    printer.setDocName(docName);
    QPainter painter;
    if (!painter.begin(&printer))
        return CannotOpen(printer);
    try {
        draw(painter, area);
    } catch (const std::exception &error) {
        // Not every print engine can abort; one that cannot still holds an open job.
        if (!printer.abort() || printer.printerState() == QPrinter::Active)
            painter.end();
        return Failure(QString::fromLocal8Bit(error.what()));
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return CannotFinish(printer);
    return {};
}

} // namespace vorlant
