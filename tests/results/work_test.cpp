#include "results/work.h"

#include <gtest/gtest.h>

#include <climits>

namespace vorlant {
namespace {

struct NumberCase
{
    std::int32_t value;
    int width;
    bool zeroPadding;
    const char *expected;
};

TEST(NumberText, PadsToWidthWithoutEverCutting)
{
    const NumberCase cases[] = {
        {0, 2, true, "00"},
        {9, 2, true, "09"},
        {59, 2, true, "59"},
        {7, 2, true, "07"},
        {12, 2, true, "12"},
        {123, 2, true, "123"},
        {7, 2, false, " 7"},
        {7, 0, true, "7"},
        {2024, 0, false, "2024"},
        {5, 4, true, "0005"},
        {-5, 3, true, "-05"},
        {-5, 3, false, " -5"},
        {-5, 0, true, "-5"},
        {42, -3, true, "42"},
        {INT32_MIN, 2, true, "-2147483648"},
        {INT32_MAX, 11, true, "02147483647"},
    };
    for (const NumberCase &c : cases) {
        EXPECT_EQ(Work.NumberText(c.value, c.width, c.zeroPadding), c.expected)
            << c.value << " width " << c.width << " zero " << c.zeroPadding;
    }
}

struct WordCase
{
    const char *text;
    int n;
    char delimiter;
    const char *expected;
};

TEST(NthWord, CutsAtDelimitersWithRunsOfSpacesAsOneCut)
{
    const WordCase cases[] = {
        // The archive's use: the first word before a space.
        {"Novák Jan", 1, ' ', "Novák"},
        {"Novák", 1, ' ', "Novák"},
        {" Novák Jan", 1, ' ', ""},
        {"", 1, ' ', ""},
        // Further words; several spaces are one cut.
        {"Novák Jan", 2, ' ', "Jan"},
        {"Novák   Jan  Petr", 2, ' ', "Jan"},
        {"Novák   Jan  Petr", 3, ' ', "Petr"},
        {" Novák Jan", 2, ' ', "Novák"},
        {"Novák Jan", 3, ' ', ""},
        {"Novák Jan", 0, ' ', ""},
        {"Novák Jan", -1, ' ', ""},
        // Other delimiters: two in a row enclose an empty word.
        {"a,,b", 1, ',', "a"},
        {"a,,b", 2, ',', ""},
        {"a,,b", 3, ',', "b"},
        {",a", 1, ',', ""},
        {",a", 2, ',', "a"},
        {"a;b", 1, ',', "a;b"},
        {"Žluťoučký_kůň", 2, '_', "kůň"},
    };
    for (const WordCase &c : cases) {
        EXPECT_EQ(Work.NthWord(c.text, c.n, c.delimiter), c.expected)
            << '"' << c.text << "\" n " << c.n << " delimiter '" << c.delimiter << "'";
    }
}

TEST(NthWord, HelpersAgreeOnWordsAndPositions)
{
    EXPECT_EQ(Work.WordCount("", ' '), 0u);
    EXPECT_EQ(Work.WordCount("Novák", ' '), 1u);
    EXPECT_EQ(Work.WordCount("Novák  Jan", ' '), 2u);
    EXPECT_EQ(Work.WordCount("a,,b", ','), 3u);

    // "Novák" is 6 bytes, so "Jan" begins at byte position 9 after two spaces.
    const std::string text = "Novák  Jan";
    EXPECT_EQ(Work.NextWordStart(text, 1, ' '), 9u);
    EXPECT_EQ(Work.CopyToDelimiter(text, 9, ' '), "Jan");
    EXPECT_EQ(Work.NextWordStart(text, 9, ' '), text.size() + 1);
    EXPECT_EQ(Work.CopyToDelimiter(text, text.size() + 1, ' '), "");
    EXPECT_EQ(Work.CopyToDelimiter(text, 100, ' '), "");
}

} // namespace
} // namespace vorlant
