#include "store/results_file.h"

#include "engine/sequence.h"
#include "store/local_time.h"
#include "store/work.h"

#include <cstdint>

namespace vorlant {

namespace {

constexpr std::size_t kLengthOffset = 0;
constexpr std::size_t kSuccessOffset = 4;
constexpr std::size_t kElapsedOffset = 8;

template <typename Unsigned> void PutLittleEndian(unsigned char *out, Unsigned value)
{
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        out[i] = static_cast<unsigned char>(value >> (8 * i));
}

template <typename Unsigned> Unsigned GetLittleEndian(const unsigned char *in)
{
    Unsigned value = 0;
    for (std::size_t i = 0; i < sizeof(Unsigned); ++i)
        value |= static_cast<Unsigned>(in[i]) << (8 * i);
    return value;
}

// "/" would point into another folder and the control characters (NUL above all) have no place
// in a file name; they are all single bytes in UTF-8, so a byte-wise look is exact.
bool MustMend(unsigned char c)
{
    return c == '/' || c < 0x20 || c == 0x7F;
}

} // namespace

ResultsBlock EncodeResults(const LogRecords &records)
{
    ResultsBlock bytes{};
    for (std::size_t i = 0; i < records.size(); ++i) {
        unsigned char *record = bytes.data() + i * kRecordBytes;
        PutLittleEndian(record + kLengthOffset, static_cast<std::uint32_t>(records[i].length));
        record[kSuccessOffset] = records[i].success ? 1 : 0;
        PutLittleEndian(record + kElapsedOffset, static_cast<std::uint64_t>(records[i].elapsedMs));
    }
    return bytes;
}

LogRecords DecodeResults(std::span<const unsigned char, kResultsFileBytes> bytes)
{
    LogRecords records{};
    for (std::size_t i = 0; i < records.size(); ++i) {
        const unsigned char *record = bytes.data() + i * kRecordBytes;
        records[i].length =
            static_cast<std::int32_t>(GetLittleEndian<std::uint32_t>(record + kLengthOffset));
        records[i].success = record[kSuccessOffset] != 0;
        records[i].elapsedMs =
            static_cast<std::int64_t>(GetLittleEndian<std::uint64_t>(record + kElapsedOffset));
    }
    return records;
}

bool HoldsPossibleLengths(const LogRecords &records)
{
    for (const AttemptRecord &record : records) {
        if (record.length == 0)
            return true;
        if (record.length < 1 || record.length > kSequenceSlots)
            return false;
    }
    return true;
}

std::string PersonInFileName(std::string_view personName)
{
    std::string name(personName);
    for (char &c : name) {
        if (MustMend(static_cast<unsigned char>(c)))
            c = '_';
    }
    if (name.starts_with('.'))
        name.front() = '_';
    return name;
}

std::string ResultsFileName(std::string_view personName, const LocalTime &time, int copy)
{
    std::string name = PersonInFileName(personName);
    if (copy > 1)
        name += " (" + std::to_string(copy) + ')';
    return name + ' ' + Work.NumberText(time.year, 0, false) + '_' +
           Work.NumberText(time.month, 2, true) + '_' + Work.NumberText(time.day, 2, true) + ' ' +
           Work.NumberText(time.hour, 2, true) + '_' + Work.NumberText(time.minute, 2, true) +
           ".mem";
}

} // namespace vorlant
