#pragma once

#include "engine/attempt_log.h"

#include <optional>
#include <string>
#include <system_error>

namespace vorlant {

// The three values of one test that a person's progress is drawn from.
struct TestSummary
{
    int attempts = 0;          // records before the first one of length 0
    int longestSuccess = 0;    // greatest length among the successful attempts, 0 when none
    double meanLength = 0;     // mean length of the attempts; 0 when there are none
    double successPercent = 0; // successes / attempts * 100; 0 when there are none

    friend bool operator==(const TestSummary &, const TestSummary &) = default;
};

TestSummary SummariseLog(const LogRecords &log);

// The records of the results file at path, read as the store loads them: its first 16016
// bytes, taken as they stand. A shorter file, or one that cannot be read, gives nothing, and
// error says why.
std::optional<LogRecords> ReadResultsFile(const std::string &path, std::error_code &error);

} // namespace vorlant
