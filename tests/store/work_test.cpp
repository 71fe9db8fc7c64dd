#include "store/work.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>
#include <vector>

namespace vorlant {
namespace {

TEST(NumberText, PadsToWidthWithoutEverCutting)
{
    const std::tuple<std::int32_t, int, bool, const char *> cases[] = {
        {0, 2, true, "00"},    {9, 2, true, "09"},    {59, 2, true, "59"},
        {123, 2, true, "123"}, {7, 2, false, " 7"},   {2024, 0, false, "2024"},
        {-5, 3, true, "-05"},  {-5, 3, false, " -5"}, {42, -3, true, "42"},
    };
    for (const auto &[value, width, zeroPadding, expected] : cases)
        EXPECT_EQ(Work.NumberText(value, width, zeroPadding), expected) << value << " " << width;
    EXPECT_EQ(Work.NumberText(INT32_MIN, 2, true), "-2147483648");
}

TEST(NthWord, CutsAtDelimitersWithRunsOfSpacesAsOneCut)
{
    // Every word of each text; word 0 and the one past the last are empty. A leading delimiter
    // gives an empty first word, and two delimiters other than spaces enclose an empty word.
    const std::tuple<const char *, char, std::vector<std::string>> cases[] = {
        {"Novák Jan", ' ', {"Novák", "Jan"}},
        {"Novák", ' ', {"Novák"}},
        {"", ' ', {}},
        {" Novák   Jan  Petr", ' ', {"", "Novák", "Jan", "Petr"}},
        {",a,,b;c", ',', {"", "a", "", "b;c"}},
        {"Žluťoučký_kůň", '_', {"Žluťoučký", "kůň"}},
    };
    for (const auto &[text, delimiter, words] : cases) {
        for (int n = 0; n <= int(words.size()) + 1; ++n) {
            const std::string expected = n >= 1 && n <= int(words.size()) ? words[n - 1] : "";
            EXPECT_EQ(Work.NthWord(text, n, delimiter), expected) << text << " word " << n;
        }
    }
}

} // namespace
} // namespace vorlant
