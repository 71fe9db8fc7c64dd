#include "store/research_export.h"
#include "tests/store/store_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace vorlant {
namespace {

using test::Block;
using test::MakeLog;

std::vector<std::string> Persons(int count)
{
    std::vector<std::string> persons;
    for (int i = 0; i < count; ++i)
        persons.push_back("Osoba " + std::to_string(1000 + i)); // alphabetical as numbered
    return persons;
}

TEST(ResearchCodesTest, EveryPersonGetsItsOwnCodeInAnOrderThatIsNotTheAlphabets)
{
    for (const int count : {1, 3, 999, 1000}) {
        std::mt19937 random(7);
        const std::vector<std::string> persons = Persons(count);
        const ResearchCodes codes = DrawResearchCodes(persons, random);
        std::set<std::string> given;
        for (const auto &[person, code] : codes)
            given.insert(code);
        const std::size_t digits = count > 999 ? 4 : 3;
        ASSERT_EQ(given.size(), static_cast<std::size_t>(count));
        EXPECT_EQ(*given.begin(), "P" + std::string(digits - 1, '0') + "1");
        EXPECT_EQ(given.rbegin()->size(), digits + 1) << count;
    }
    // Over a few draws, the first person by name does not always get P001.
    std::set<std::string> firstPersonsCodes;
    for (unsigned seed = 0; seed < 8; ++seed) {
        std::mt19937 random(seed);
        firstPersonsCodes.insert(DrawResearchCodes(Persons(10), random).at("Osoba 1000"));
    }
    EXPECT_GT(firstPersonsCodes.size(), 1u);
}

// The overview's sheet as the window builds it, with a column after the dates that a later
// version adds: it follows into the research sheet.
SheetTable OverviewLike()
{
    return {"Přehled",
            {{"Příjmení, jméno", ""},
             {"Testů", "0"},
             {"Nejlepší řada", "0"},
             {"První test", kDateFormat},
             {"Poslední test", kDateFormat},
             {"Změna", "+0"},
             {"Nový sloupec", "0.0"}},
            {{std::string("Adam Petr"), 3.0, 5.0, LocalTime{2024, 2, 27}, LocalTime{2024, 3, 2},
              1.0, 4.5},
             {std::string("Bílá Eva"), 1.0}, // no test with attempts
             {std::string("Cizí Ota"), 2.0, 4.0, LocalTime{2024, 1, 1}, LocalTime{2024, 1, 1}, 0.0,
              3.0}}};
}

TEST(ResearchOverviewTest, NamesBecomeCodesAndTheDatesTheDaysBetweenThemWithEveryOtherColumn)
{
    const ResearchCodes codes{{"Adam Petr", "P002"}, {"Bílá Eva", "P003"}, {"Cizí Ota", "P001"}};

    const SheetTable sheet = ResearchOverviewSheet(OverviewLike(), codes, "Kód", "Dnů");

    EXPECT_EQ(sheet.sheetName, "Přehled");
    std::vector<std::string> headers;
    for (const SheetColumn &column : sheet.columns)
        headers.push_back(column.header);
    EXPECT_EQ(headers, (std::vector<std::string>{"Kód", "Testů", "Nejlepší řada", "Dnů", "Změna",
                                                 "Nový sloupec"}));
    // In the order of the codes; across the end of February of a leap year.
    EXPECT_EQ(sheet.rows,
              (std::vector<std::vector<SheetCell>>{{std::string("P001"), 2.0, 4.0, 0.0, 0.0, 3.0},
                                                   {std::string("P002"), 3.0, 5.0, 4.0, 1.0, 4.5},
                                                   {std::string("P003"), 1.0}}));

    const SheetTable without =
        ResearchOverviewSheet(OverviewLike(), {{"Cizí Ota", "P001"}}, "Kód", "Dnů");
    EXPECT_EQ(without.rows.size(), 1u) << "a person without a code is left out";
}

class ResearchAttemptsTest : public test::TemporaryFolderTest
{
protected:
    void Write(const std::string &name, const LogRecords &log)
    {
        WriteBytes(root / name, Block(log));
    }
};

TEST_F(ResearchAttemptsTest, EachAttemptUnderItsCodeTestNumberAndDaySinceThePersonsFirstTest)
{
    Write("Novák Jan 2024_02_28 08_00.mem", LogRecords{}); // a test without attempts
    Write("Novák Jan 2024_03_01 09_00.mem", MakeLog({{4, true, 1200}, {5, false, 3400}}));
    Write("Novák Jan (2) 2024_03_01 09_00.mem", MakeLog({{2, true, 10}}));
    Write("Novák Jan 2024_03_11 10_30.mem", MakeLog({{6, true, 99}}));
    WriteBytes(root / "Novák Jan 2024_03_12 10_30.mem", "short");
    Write("Novák Jan 2024_13_01 10_30.mem", MakeLog({{6, true, 99}})); // no real time
    Write("Adam Petr 2023_12_31 23_59.mem", MakeLog({{3, true, 7}}));
    Write("Adam Petr 2024_01_01 00_01.mem", MakeLog({{3, false, 8}}));
    Write("Cizí Ota 2024_01_01 00_01.mem", MakeLog({{3, false, 8}})); // not exported
    const ResearchCodes codes{{"Novák Jan", "P001"}, {"Adam Petr", "P002"}};

    const ResearchAttempts attempts = ResearchAttemptsSheet(root.string(), codes, "Pokusy");

    std::vector<std::string> headers;
    for (const SheetColumn &column : attempts.sheet.columns)
        headers.push_back(column.header);
    EXPECT_EQ(headers, (std::vector<std::string>{"kod", "test", "den", "pokus", "delka", "uspech",
                                                 "cas_ms"}));
    using Row = std::vector<SheetCell>;
    const auto row = [](const char *code, double test, double day, double attempt, double length,
                        double success, double ms) {
        return Row{std::string(code), test, day, attempt, length, success, ms};
    };
    EXPECT_EQ(attempts.sheet.rows,
              (std::vector<Row>{row("P001", 2, 0, 0, 4, 1, 1200), row("P001", 2, 0, 1, 5, 0, 3400),
                                row("P001", 3, 0, 0, 2, 1, 10), row("P001", 4, 10, 0, 6, 1, 99),
                                row("P002", 1, 0, 0, 3, 1, 7), row("P002", 2, 1, 0, 3, 0, 8)}));
    EXPECT_EQ(attempts.unreadable, (std::vector<std::string>{"Novák Jan 2024_03_12 10_30.mem",
                                                             "Novák Jan 2024_13_01 10_30.mem"}));
}

TEST(ResearchKeyTest, TheKeyListsTheCodesInOrderWithNamesAsCsvFieldsThatRunNothing)
{
    EXPECT_EQ(ResearchKeyCsv({{"Novák, Jan", "P002"}, {"=1+1", "P001"}, {"Eva", "P003"}}),
              "kod,osoba\nP001,'=1+1\nP002,\"Novák, Jan\"\nP003,Eva\n");
}

} // namespace
} // namespace vorlant
