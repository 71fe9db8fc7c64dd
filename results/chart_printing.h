#pragma once

#include "engine/attempt_log.h"

#include <QRect>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;
class QRectF;
class QSizeF;

namespace vorlant {

// The rectangles a printed chart is laid out for: its own coordinates, dots at kPrintAreaDpi
// from the top left of the printable area.
inline constexpr QRect kPortraitPrintArea{0, 0, 4800, 2800};
inline constexpr QRect kLandscapePrintArea{0, 0, 6800, 4800};
inline constexpr double kPrintAreaDpi = 600;

// Where area goes on a page whose printable area measures printableDots at dpi: from the
// printable area's top left, in area's proportions, as large as the printable area allows
// but never larger than area at kPrintAreaDpi. In the printer's dots.
QRectF PlacePrintArea(const QRect &area, const QSizeF &printableDots, double dpi);

// Prints the chart of the log with summaryLine below it as one page, a job titled "Ch1", on a
// printer that has been set up. Returns an empty text when the page went out, else why it did
// not; a job that failed while drawing has been aborted.
QString PrintChart(QPrinter &printer, const QRect &area, const LogRecords &log,
                   const QString &summaryLine = {});

// Draws the chart of the log into target with summaryLine below it, in the painter's font made
// smaller where a line of it would not fit.
void DrawChartWithLine(QPainter &painter, const QRectF &target, const LogRecords &log,
                       const QString &summaryLine);

// Draws one page with draw(painter, area) as a job titled docName, with the same outcome and
// failure texts as PrintChart; the painter maps area onto the page as PlacePrintArea places it.
using PageDrawing = std::function<void(QPainter &, const QRectF &)>;
QString PrintPage(QPrinter &printer, const QRect &area, const QString &docName,
                  const PageDrawing &draw);

// Draws the pages of a job titled docName with draw(painter), in the printer's dots from the top
// left of the printable area; an exception thrown by draw aborts the job and tells why. The
// outcome as for PrintChart.
using PagesDrawing = std::function<void(QPainter &)>;
QString PrintPages(QPrinter &printer, const QString &docName, const PagesDrawing &draw);

// The text that reports a print that failed for reason.
QString PrintFailure(const QString &reason);

} // namespace vorlant
