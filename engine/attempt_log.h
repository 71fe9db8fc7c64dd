#pragma once

#include <array>
#include <cstdint>

namespace vorlant {

// One attempt of a test.
struct AttemptRecord
{
    std::int32_t length = 0; // cells in the attempt's sequence; 0 marks the end of the log
    bool success = false;    // the whole sequence was clicked back without a wrong click
    std::int64_t elapsedMs = 0;

    friend bool operator==(const AttemptRecord &, const AttemptRecord &) = default;
};

inline constexpr int kLogRecords = 1001;
inline constexpr int kLastRecord = kLogRecords - 1;

// The records of one test, as saved in a results file and drawn by the chart.
using LogRecords = std::array<AttemptRecord, kLogRecords>;

// The log of the current test. Record 0's length doubles as the starting length.
struct AttemptLog
{
    LogRecords records{};
    std::int32_t LogIndex = 0; // the attempt being prepared, shown or answered
};

// Zeroes all records; leaves LogIndex alone.
void ClearLog(AttemptLog &log);

// Number of records before the first one of length 0 (0 to 1001).
int RecordCount(const LogRecords &records);

} // namespace vorlant
