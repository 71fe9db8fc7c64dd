#pragma once

#include "engine/attempt_log.h"

#include <optional>
#include <span>
#include <string>
#include <system_error>

namespace vorlant {

// What one test measured, from its finished attempts (the records before the first one of
// length 0). One definition for every window, report and export.
struct TestSummary
{
    int attempts = 0;          // the attempts the values come from (see EndedInFirstAttempt)
    int longestSuccess = 0;    // greatest length among the successful attempts, 0 when none
    double meanLength = 0;     // mean length of the attempts; 0 when there are none
    double successPercent = 0; // successes / attempts * 100; 0 when there are none
    int successes = 0;         // attempts repeated correctly
    // The length at which the person succeeds half the time: the mean level of the level
    // rule's turns. Absent below two turns, where the test was too short to tell.
    std::optional<double> spanEstimate;
    // Mean over the successful attempts of their time divided by their length, in seconds.
    // Absent without a successful attempt.
    std::optional<double> secondsPerItem;

    int errors() const { return attempts - successes; }

    friend bool operator==(const TestSummary &, const TestSummary &) = default;
};

// Whether log may be a test ended before its first attempt was over: that attempt is then
// saved alone, as record 0, with whatever its clicks had stored (none, or some right ones
// that made it a success). A file cannot tell it from a test of one finished attempt; a
// second record shows the first finished, and every saved record after record 0 is finished.
// So a log of exactly one record is taken for such a test.
bool EndedInFirstAttempt(const LogRecords &log);

// The measures of the records before the first one of length 0, as they stand: what the
// chart of the log shows.
TestSummary SummariseRecords(const LogRecords &log);

// The measures of a saved test, to compare it with others. A test ended in its first attempt
// gives none: it counts as a test, never as a measure, and never as a success.
TestSummary SummariseLog(const LogRecords &log);

// The span estimate of a test whose attempts had these lengths, in order: a change is an
// attempt whose length differs from the one before, a turn a change against the direction of
// the change before it, and a turn's level the length just before it (a peak or a trough).
// The mean of the turns' levels; absent with fewer than two turns.
std::optional<double> SpanEstimate(std::span<const int> lengths);

// The records of the results file at path, read as the store loads them: its first 16016
// bytes, taken as they stand. A shorter file, one that cannot be read, or one with a length
// that no test can have (see HoldsPossibleLengths) gives nothing, and error says why.
std::optional<LogRecords> ReadResultsFile(const std::string &path, std::error_code &error);

} // namespace vorlant
