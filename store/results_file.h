#pragma once

#include "engine/attempt_log.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace vorlant {

struct LocalTime;

// A results file is the whole log, 16 bytes a record, little-endian, no header:
// length (4), success (1), zero padding (3), elapsed milliseconds (8).
inline constexpr std::size_t kRecordBytes = 16;
inline constexpr std::size_t kResultsFileBytes = kRecordBytes * kLogRecords; // 16016

using ResultsBlock = std::array<unsigned char, kResultsFileBytes>;

// The bytes of a results file holding records; success is written as 1 or 0, padding as 0.
ResultsBlock EncodeResults(const LogRecords &records);

// The records a results file holds, taken as they stand; any non-zero success byte is success,
// the padding is ignored.
LogRecords DecodeResults(std::span<const unsigned char, kResultsFileBytes> bytes);

// Whether every record before the first of length 0 has a length that a test can give an
// attempt: 1 to the 50 slots of a sequence. Anyone who can write a shared folder can put other
// numbers into a file; figures drawn from them would mean nothing, or overflow.
bool HoldsPossibleLengths(const LogRecords &records);

// "<name> YYYY_MM_DD HH_MM.mem", for a copy above 1 "<name> (<copy>) YYYY_MM_DD HH_MM.mem",
// the name as PersonInFileName gives it; the 21-character tail stays intact.
std::string ResultsFileName(std::string_view personName, const LocalTime &time, int copy = 1);

// personName as a results file name carries it: characters that would end or leave the file
// name ("/" and the control characters) become "_", and so does a leading "." that would hide
// the file.
std::string PersonInFileName(std::string_view personName);

} // namespace vorlant
