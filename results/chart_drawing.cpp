#include "results/chart_drawing.h"

#include "results/chart_attempts.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPaintDevice>
#include <QPainter>
#include <QRectF>

#include <algorithm>

namespace vorlant {
namespace {

// The resolution that the chart's fonts and pens are measured in.
constexpr double kLayoutDpi = 96.0;
// Below this the titles and labels crowd the bars out.
constexpr QSizeF kSmallestLayout{560, 300};

// The size, in the chart's own pixels, to lay the chart out in for the target as the painter
// puts it on its device.
QSizeF LayoutSize(const QPainter &painter, const QRectF &target)
{
    QSizeF size = painter.combinedTransform().mapRect(target).size();
    if (const QPaintDevice *device = painter.device())
        size = {size.width() * kLayoutDpi / device->logicalDpiX(),
                size.height() * kLayoutDpi / device->logicalDpiY()};
    const double grow = std::max(
        {1.0, kSmallestLayout.width() / size.width(), kSmallestLayout.height() / size.height()});
    return size * grow;
}

} // namespace

void DrawChart(QPainter &painter, const QRectF &target, const LogRecords &log)
{
    if (target.isEmpty())
        return;
    auto *chart = new AttemptsChart;
    chart->Fill(log);
    RenderChart(painter, target, chart);
}

void RenderChart(QPainter &painter, const QRectF &target, QChart *chart)
{
    QGraphicsScene scene;
    scene.addItem(chart); // the scene owns it from here
    // Nothing to draw into, also where the painter shrinks the target to nothing.
    if (painter.combinedTransform().mapRect(target).isEmpty())
        return;
    const QRectF layout(QPointF(0, 0), LayoutSize(painter, target));
    chart->setGeometry(layout);
    chart->layout()->activate(); // settle what the new size changed before drawing
    scene.setSceneRect(layout);
    scene.render(&painter, target, layout, Qt::IgnoreAspectRatio);
}

} // namespace vorlant
