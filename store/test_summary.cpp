#include "store/test_summary.h"

#include "store/file_io.h"
#include "store/results_file.h"

#include <algorithm>
#include <span>

namespace vorlant {

bool EndedInFirstAttempt(const LogRecords &log)
{
    return RecordCount(log) == 1;
}

TestSummary SummariseLog(const LogRecords &log)
{
    TestSummary summary;
    if (EndedInFirstAttempt(log))
        return summary;
    summary.attempts = RecordCount(log);
    if (summary.attempts == 0)
        return summary;
    double lengths = 0;
    int successes = 0;
    for (int i = 0; i < summary.attempts; ++i) {
        lengths += log[i].length;
        if (log[i].success) {
            ++successes;
            summary.longestSuccess = std::max(summary.longestSuccess, log[i].length);
        }
    }
    summary.meanLength = lengths / summary.attempts;
    summary.successPercent = 100.0 * successes / summary.attempts;
    return summary;
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
