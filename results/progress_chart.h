#pragma once

#include "store/test_summary.h"

#include <QChart>
#include <QDateTime>
#include <QString>

#include <vector>

class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

namespace vorlant {

// One test of a person: when it was taken, its file and its three values.
struct ProgressPoint
{
    QDateTime when;
    QString fileName;
    TestSummary summary;
};

// The text shown for a point: the file name and the three values.
QString DescribePoint(const ProgressPoint &point);

// A person's progress over time: one point per test, placed at the date and time of the test,
// for the longest repeated sequence, the mean length and the span estimate (left axis) and the
// success rate (right axis, 0 to 100 %). A test too short for a span estimate has no point on
// that line.
class ProgressChart : public QChart
{
public:
    enum class Value
    {
        Longest,
        Mean,
        SuccessPercent,
        SpanEstimate
    };

    ProgressChart();

    // Replaces the points with those of tests, which are drawn in the order of their times.
    void Fill(const QString &person, std::vector<ProgressPoint> tests);

    // The tests as drawn, in time order.
    const std::vector<ProgressPoint> &Tests() const { return tests_; }

    // Where the value of the test at index stands, in the chart's own coordinates.
    QPointF PositionOf(int index, Value value);
    // The test whose point lies nearest to position (chart coordinates) and no farther than
    // radius pixels from it; -1 when none does.
    int TestNear(const QPointF &position, double radius);

    QLineSeries &Series(Value value) const;
    QDateTimeAxis &TimeAxis() const { return *timeAxis_; }
    QValueAxis &LengthAxis() const { return *lengthAxis_; }
    QValueAxis &PercentAxis() const { return *percentAxis_; }

private:
    void FitToPlotArea();

    std::vector<ProgressPoint> tests_;
    std::vector<qint64> times_; // msecs since the epoch, as the x values, for searching
    QLineSeries *longest_;
    QLineSeries *mean_;
    QLineSeries *success_;
    QLineSeries *span_;
    QDateTimeAxis *timeAxis_;
    QValueAxis *lengthAxis_;
    QValueAxis *percentAxis_;
};

} // namespace vorlant
