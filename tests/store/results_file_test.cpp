#include "store/local_time.h"
#include "store/results_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

namespace vorlant {
namespace {

TEST(ResultsFileName, FollowsThePatternAndMendsCharactersThatWouldLeaveOrHideIt)
{
    const LocalTime march{2024, 3, 5, 9, 7};
    const std::string longest = "Žluťoučký kůň úpěl ďábelé"; // 25 characters, 9 of two bytes
    const std::pair<std::string, std::string> cases[] = {
        {"Novák Jan", "Novák Jan"},
        // "/" and control characters would end the name or climb out of the folder.
        {"../../etc/x", "_._.._etc_x"},
        {"tab\tnew\nline\r", "tab_new_line_"},
        {std::string("a\0b", 3), "a_b"},
        // A leading "." would hide the file from the archive; later ones are harmless.
        {"..Tajný", "_.Tajný"},
        {"Jan.", "Jan."},
        {longest, longest}};
    for (const auto &[person, mended] : cases)
        EXPECT_EQ(ResultsFileName(person, march), mended + " 2024_03_05 09_07.mem");
    // Further copies of one minute are numbered before the 21-character tail.
    EXPECT_EQ(ResultsFileName("X", march, 2), "X (2) 2024_03_05 09_07.mem");
    EXPECT_EQ(ResultsFileName(".", march, 13), "_ (13) 2024_03_05 09_07.mem");
}

TEST(ResultsLayout, FieldsSitAtTheirOffsetsLittleEndianWithZeroPaddingAndReadBack)
{
    LogRecords records{};
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i] = {std::int32_t(i * 7 - 3), i % 3 == 0, std::int64_t(i) * -123456789};
    records[1] = records[1000] = {0x11223344, true, -0x0102030405060708};
    ResultsBlock bytes = EncodeResults(records);

    ASSERT_EQ(bytes.size(), 16016u);
    const ResultsBlock::value_type spelled[] = {0x44, 0x33, 0x22, 0x11, 1,    0,    0,    0,
                                                0xF8, 0xF8, 0xF9, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE};
    EXPECT_TRUE(std::equal(std::begin(spelled), std::end(spelled), &bytes[16]));
    for (std::size_t at = 0; at < bytes.size(); at += 16)
        EXPECT_EQ(bytes[at + 5] | bytes[at + 6] | bytes[at + 7], 0) << at;
    EXPECT_EQ(DecodeResults(bytes), records);

    // Another writer's padding is ignored and any non-zero success byte is success.
    bytes[16 + 5] = 0xAB;
    bytes[16 + 4] = 2;
    EXPECT_EQ(DecodeResults(bytes), records);
}

} // namespace
} // namespace vorlant
