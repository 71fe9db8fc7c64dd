#include "results/local_time.h"
#include "results/results_file.h"
#include "results/results_store.h"
#include "store_test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace vorlant {
namespace {

using test::CharacterCount;
using test::RecordingSink;

std::string NameAt(const std::string &person, LocalTime time)
{
    RecordingSink sink;
    ResultsStore store(
        sink, [time] { return time; }, "/nowhere/");
    return store.BuildResultsFileName(person);
}

struct NameCase
{
    const char *person;
    LocalTime time;
    const char *expected;
};

TEST(ResultsFileName, FollowsThePatternWithPaddedNumbers)
{
    const NameCase cases[] = {
        {"Novák Jan", {2024, 3, 5, 9, 7}, "Novák Jan 2024_03_05 09_07.mem"},
        {"Novák Jan", {2024, 12, 31, 23, 59}, "Novák Jan 2024_12_31 23_59.mem"},
        {"X", {2025, 1, 1, 0, 0}, "X 2025_01_01 00_00.mem"},
        {"", {2024, 3, 5, 9, 7}, " 2024_03_05 09_07.mem"},
        // Colons and backslashes are fine in names on this platform.
        {"a:b\\c", {2024, 3, 5, 9, 7}, "a:b\\c 2024_03_05 09_07.mem"},
    };
    for (const NameCase &c : cases)
        EXPECT_EQ(NameAt(c.person, c.time), c.expected) << c.person;
}

TEST(ResultsFileName, MendsCharactersThatWouldEndOrLeaveTheName)
{
    const LocalTime time{2024, 3, 5, 9, 7};
    const NameCase cases[] = {
        {"../../etc/x", time, ".._.._etc_x 2024_03_05 09_07.mem"},
        {"/", time, "_ 2024_03_05 09_07.mem"},
        {"tab\there", time, "tab_here 2024_03_05 09_07.mem"},
        {"new\nline\r", time, "new_line_ 2024_03_05 09_07.mem"},
        {"del\x7F", time, "del_ 2024_03_05 09_07.mem"},
        {"esc\x1B", time, "esc_ 2024_03_05 09_07.mem"},
        // The suffix keeps "." and ".." from naming the folder or its parent.
        {".", time, ". 2024_03_05 09_07.mem"},
        {"..", time, ".. 2024_03_05 09_07.mem"},
    };
    for (const NameCase &c : cases)
        EXPECT_EQ(NameAt(c.person, c.time), c.expected) << c.person;

    const std::string withNul("a\0b", 3);
    EXPECT_EQ(NameAt(withNul, time), "a_b 2024_03_05 09_07.mem");
}

TEST(ResultsFileName, TailIsAlways21CharactersAfterTheName)
{
    // 25 characters, 9 of them outside ASCII.
    const std::string person = "Žluťoučký kůň úpěl ďábelé";
    ASSERT_EQ(CharacterCount(person), 25u);
    const std::string name = NameAt(person, {2024, 3, 5, 9, 7});
    EXPECT_EQ(CharacterCount(name), 46u);
    EXPECT_EQ(name.substr(0, person.size()), person);
    EXPECT_EQ(name.substr(name.size() - 20), "2024_03_05 09_07.mem");
}

constexpr std::size_t Offset(std::size_t record, std::size_t field)
{
    return record * kRecordBytes + field;
}

std::int64_t LittleEndian(const ResultsBlock &bytes, std::size_t at, std::size_t size)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value |= std::uint64_t(bytes[at + i]) << (8 * i);
    return size == 4 ? std::int64_t(std::int32_t(std::uint32_t(value))) : std::int64_t(value);
}

TEST(ResultsLayout, FieldsSitAtTheirOffsetsLittleEndianWithZeroPadding)
{
    LogRecords records{};
    records[0] = {4, true, 1234};
    records[1] = {5, false, 0x0102030405060708};
    records[2] = {-2, true, -1};
    records[1000] = {0x11223344, true, 99};
    const ResultsBlock bytes = EncodeResults(records);

    ASSERT_EQ(bytes.size(), 16016u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(LittleEndian(bytes, Offset(i, 0), 4), records[i].length);
        EXPECT_EQ(bytes[Offset(i, 4)], records[i].success ? 1 : 0);
        EXPECT_EQ(bytes[Offset(i, 5)] | bytes[Offset(i, 6)] | bytes[Offset(i, 7)], 0);
        EXPECT_EQ(LittleEndian(bytes, Offset(i, 8), 8), records[i].elapsedMs);
    }
    // The byte order itself, spelled out once.
    const unsigned char elapsed[] = {8, 7, 6, 5, 4, 3, 2, 1};
    EXPECT_EQ(std::memcmp(&bytes[Offset(1, 8)], elapsed, 8), 0);
    const unsigned char length[] = {0x44, 0x33, 0x22, 0x11};
    EXPECT_EQ(std::memcmp(&bytes[16000], length, 4), 0);
}

TEST(ResultsLayout, DecodesForeignBytesAsTheyStand)
{
    ResultsBlock bytes{};
    bytes.fill(0xAB); // padding and every field filled by another writer
    bytes[Offset(3, 4)] = 0;
    bytes[Offset(4, 4)] = 2;
    const LogRecords records = DecodeResults(bytes);
    EXPECT_EQ(records[0].length, std::int32_t(0xABABABABu));
    EXPECT_EQ(records[0].elapsedMs, std::int64_t(0xABABABABABABABABu));
    EXPECT_TRUE(records[0].success);
    EXPECT_FALSE(records[3].success);
    EXPECT_TRUE(records[4].success);

    // What the program writes reads back unchanged.
    LogRecords written{};
    for (std::size_t i = 0; i < written.size(); ++i)
        written[i] = {std::int32_t(i * 7 - 3), i % 3 == 0, std::int64_t(i) * -123456789};
    EXPECT_EQ(DecodeResults(EncodeResults(written)), written);
}

} // namespace
} // namespace vorlant
