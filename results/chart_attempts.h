#pragma once

#include "engine/attempt_log.h"

#include <QChart>
#include <QColor>

#include <vector>

class QBarSeries;
class QBarSet;
class QValueAxis;

namespace vorlant {

// Bars of successful attempts are yellow, of failed ones red.
inline const QColor kSuccessBarColour{255, 255, 0};
inline const QColor kFailureBarColour{255, 0, 0};

// One drawn bar: its x is the record's index.
struct ChartBar
{
    int x = 0;
    double height = 0;
    QColor colour;

    friend bool operator==(const ChartBar &, const ChartBar &) = default;
};

// The bar chart of a log of attempts ("Přehled pokusů"): one bar per record before the first
// record of length 0, at x = index, as high as the record's length.
class AttemptsChart : public QChart
{
public:
    AttemptsChart();

    // Replaces all bars with those of the log; the log is only read.
    void Fill(const LogRecords &log);

    // The bars as they stand, in x order.
    std::vector<ChartBar> Bars() const;

    QValueAxis &BottomAxis() const { return *bottomAxis_; }
    QValueAxis &LeftAxis() const { return *leftAxis_; }

private:
    // Bar width and label steps that suit the plot area's size in pixels.
    void FitToPlotArea();

    QBarSeries *series_;
    QBarSet *bars_ = nullptr;
    QValueAxis *bottomAxis_;
    QValueAxis *leftAxis_;
    double bottomSpan_ = 1;
    double leftSpan_ = 1;
};

} // namespace vorlant
