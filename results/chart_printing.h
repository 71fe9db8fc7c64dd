#pragma once

#include "engine/attempt_log.h"

#include <QRect>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;
class QRectF;

namespace vorlant {

// Where a printed chart goes, in the printer's dots from the top left of the printable area.
inline constexpr QRect kPortraitPrintArea{0, 0, 4800, 2800};
inline constexpr QRect kLandscapePrintArea{0, 0, 6800, 4800};

// Prints the chart of the log as one page, a job titled "Ch1", on a printer that has been set
// up. Returns an empty text when the page went out, else why it did not; a job that failed
// while drawing has been aborted.
QString PrintChart(QPrinter &printer, const QRect &area, const LogRecords &log);

// Draws one page with draw(painter, area) as a job titled docName, with the same outcome and
// failure texts as PrintChart.
using PageDrawing = std::function<void(QPainter &, const QRectF &)>;
QString PrintPage(QPrinter &printer, const QRect &area, const QString &docName,
                  const PageDrawing &draw);

// The text that reports a print that failed for reason.
QString PrintFailure(const QString &reason);

} // namespace vorlant
