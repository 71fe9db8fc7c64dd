#pragma once

#include "engine/attempt_log.h"

class QChart;
class QPainter;
class QRectF;

namespace vorlant {

// Lays the chart of the log out afresh for the target rectangle and draws all of it (title,
// axes, bars) there. Text keeps its physical size on any device (the size the painter gives the
// rectangle on its device decides how much room the bars get), unless the rectangle is too
// small to hold it beside the bars; then everything shrinks together.
void DrawChart(QPainter &painter, const QRectF &target, const LogRecords &log);

// Draws chart, which has no scene yet, the same way into the target; takes it over and
// deletes it afterwards.
void RenderChart(QPainter &painter, const QRectF &target, QChart *chart);

} // namespace vorlant
