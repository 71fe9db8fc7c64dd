#include "results/chart_printing.h"

#include "results/chart_drawing.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <exception>

namespace vorlant {
namespace {

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

QString PrintChart(QPrinter &printer, const QRect &area, const LogRecords &log)
{
    return PrintPage(
        printer, area, QStringLiteral("Ch1"),
        [&log](QPainter &painter, const QRectF &target) { DrawChart(painter, target, log); });
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
