#pragma once

#include "engine/attempt_log.h"

#include <optional>
#include <string>
#include <system_error>

namespace vorlant {

// The three values of one test that a person's progress is drawn from.
struct TestSummary
{
    int attempts = 0;          // the attempts the values come from (see EndedInFirstAttempt)
    int longestSuccess = 0;    // greatest length among the successful attempts, 0 when none
    double meanLength = 0;     // mean length of the attempts; 0 when there are none
    double successPercent = 0; // successes / attempts * 100; 0 when there are none

    friend bool operator==(const TestSummary &, const TestSummary &) = default;
};

// Whether log may be a test ended before its first attempt was over: that attempt is then
// saved alone, as record 0, with whatever its clicks had stored (none, or some right ones
// that made it a success). A file cannot tell it from a test of one finished attempt; a
// second record shows the first finished, and every saved record after record 0 is finished.
// So a log of exactly one record is taken for such a test.
bool EndedInFirstAttempt(const LogRecords &log);

// The values of the records before the first one of length 0. A test ended in its first
// attempt gives none: it counts as a test, never as a measure, and never as a success.
TestSummary SummariseLog(const LogRecords &log);

// The records of the results file at path, read as the store loads them: its first 16016
// bytes, taken as they stand. A shorter file, one that cannot be read, or one with a length
// that no test can have (see HoldsPossibleLengths) gives nothing, and error says why.
std::optional<LogRecords> ReadResultsFile(const std::string &path, std::error_code &error);

} // namespace vorlant
