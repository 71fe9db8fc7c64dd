#pragma once

#include "results/progress_chart.h"

#include <QDateTime>
#include <QString>

#include <vector>

class QPageLayout;
class QPainter;

namespace vorlant {

// What a report of one person holds: the person's tests and when the report was made, with
// the note the user wrote for it.
struct PersonReport
{
    QString person;
    std::vector<ProgressPoint> tests; // in time order
    QDateTime made;
    QString note;
};

// tests in time order, as the progress chart draws them (tests of one minute by file name).
std::vector<ProgressPoint> InTimeOrder(std::vector<ProgressPoint> tests);

// How many of the latest tests the report's table lists.
inline constexpr int kReportTableTests = 10;

// A4 portrait with margins of 15 mm: the page a report is saved on.
QPageLayout PersonReportPageLayout();

// Draws the report as one page into painter, whose device has layout, over the layout's paint
// rectangle (the painter's origin at its top left, as printers and PDF writers place it): a
// heading, the progress chart, the table of the latest tests, the paragraph written from
// their figures, the note and the closing sentence. The fonts scale with the rectangle, and
// whatever is too long for its place (a name, a note) is cut short there, so all of it fits.
void DrawPersonReport(QPainter &painter, const QPageLayout &layout, const PersonReport &report);

} // namespace vorlant
