#pragma once

#include "engine/attempt_log.h"
#include "engine/message_sink.h"

#include <QColor>
#include <QImage>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Lets GoogleTest name colours in its messages.
inline void PrintTo(const QColor &colour, std::ostream *out)
{
    *out << colour.name().toStdString();
}

namespace vorlant::chart_test {

// Keeps what the window reports instead of showing it.
class RecordingSink : public MessageSink
{
public:
    void Message(const std::string &text) override { messages.push_back(text); }
    void Error(const std::string &text) override { errors.push_back(text); }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
};

// A log whose first records have the given lengths and outcomes; the rest are zero.
inline LogRecords MakeLog(const std::vector<std::pair<int, bool>> &attempts)
{
    LogRecords log{};
    for (std::size_t i = 0; i < attempts.size(); ++i)
        log[i] = {attempts[i].first, attempts[i].second, 100};
    return log;
}

// The log of five attempts: lengths 4, 4, 4, 5, 5; success, success, failure, success, failure.
inline LogRecords FiveAttempts()
{
    return MakeLog({{4, true}, {4, true}, {4, false}, {5, true}, {5, false}});
}

inline const QColor kYellow{255, 255, 0};
inline const QColor kRed{255, 0, 0};

// A block of neighbouring pixel columns painted in one bar colour.
struct PaintedBar
{
    int left = 0, right = 0; // columns
    int top = 0, bottom = 0; // rows of the topmost and lowest pixel of the colour
    QColor colour;
};

// The bars that an image shows, left to right, found by their exact colours.
inline std::vector<PaintedBar> FindPaintedBars(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<PaintedBar> bars;
    for (int x = 0; x < image.width(); ++x) {
        QColor colour;
        int top = image.height(), bottom = -1;
        for (int y = 0; y < image.height(); ++y) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel != kYellow && pixel != kRed)
                continue;
            colour = pixel;
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        if (bottom < 0)
            continue;
        if (!bars.empty() && bars.back().right == x - 1 && bars.back().colour == colour) {
            PaintedBar &bar = bars.back();
            bar.right = x;
            bar.top = std::min(bar.top, top);
            bar.bottom = std::max(bar.bottom, bottom);
        } else {
            bars.push_back({x, x, top, bottom, colour});
        }
    }
    return bars;
}

} // namespace vorlant::chart_test
