#include "store/test_summary.h"

#include "store/file_io.h"
#include "store/results_file.h"

#include <algorithm>
#include <array>
#include <span>

namespace vorlant {

bool EndedInFirstAttempt(const LogRecords &log)
{
    return RecordCount(log) == 1;
}

TestSummary SummariseLog(const LogRecords &log)
{
    return EndedInFirstAttempt(log) ? TestSummary{} : SummariseRecords(log);
}

TestSummary SummariseRecords(const LogRecords &log)
{
    TestSummary summary;
    summary.attempts = RecordCount(log);
    if (summary.attempts == 0)
        return summary;
    double lengths = 0;
    double secondsPerItem = 0;
    std::array<int, kLogRecords> attemptLengths{};
    for (int i = 0; i < summary.attempts; ++i) {
        const AttemptRecord &attempt = log[i];
        attemptLengths[i] = attempt.length;
        lengths += attempt.length;
        if (attempt.success) {
            ++summary.successes;
            summary.longestSuccess = std::max(summary.longestSuccess, attempt.length);
            secondsPerItem += static_cast<double>(attempt.elapsedMs) / 1000.0 / attempt.length;
        }
    }
    summary.meanLength = lengths / summary.attempts;
    summary.successPercent = 100.0 * summary.successes / summary.attempts;
    summary.spanEstimate = SpanEstimate(std::span(attemptLengths).first(summary.attempts));
    if (summary.successes > 0)
        summary.secondsPerItem = secondsPerItem / summary.successes;
    return summary;
}

std::optional<double> SpanEstimate(std::span<const int> lengths)
{
    int turns = 0;
    double levels = 0;
    int lastDirection = 0; // +1 up, -1 down, 0 before the first change
    for (std::size_t i = 1; i < lengths.size(); ++i) {
        if (lengths[i] == lengths[i - 1])
            continue;
        const int direction = lengths[i] > lengths[i - 1] ? 1 : -1;
        if (lastDirection != 0 && direction != lastDirection) {
            ++turns;
            levels += lengths[i - 1];
        }
        lastDirection = direction;
    }
    if (turns < 2)
        return std::nullopt;
    return levels / turns;
}

std::optional<LogRecords> ReadResultsFile(const std::string &path, std::error_code &error)
{
    const std::optional<std::string> bytes = ReadFileStart(path, kResultsFileBytes, error);
    if (!bytes)
        return std::nullopt;
    if (bytes->size() < kResultsFileBytes) {
        error = std::make_error_code(std::errc::message_size);
        return std::nullopt;
    }
    const auto *data = reinterpret_cast<const unsigned char *>(bytes->data());
    LogRecords log =
        DecodeResults(std::span<const unsigned char, kResultsFileBytes>(data, kResultsFileBytes));
    if (!HoldsPossibleLengths(log)) {
        error = std::make_error_code(std::errc::bad_message);
        return std::nullopt;
    }
    return log;
}

} // namespace vorlant
