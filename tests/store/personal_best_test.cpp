#include "store/personal_best.h"
#include "store/results_file.h"
#include "tests/store/store_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vorlant {
namespace {

using test::Block;
using test::MakeLog;

// A log whose longest correct sequence is longest (0: nothing repeated correctly).
LogRecords Longest(int longest)
{
    return longest > 0 ? MakeLog({{2, true, 900}, {longest, true, 2000}, {longest + 1, false, 700}})
                       : MakeLog({{3, false, 900}, {3, false, 800}});
}

const std::string kSaved = "Eva 2024_03_05 09_07.mem";

class PersonalBestTest : public test::TemporaryFolderTest
{
protected:
    bool IsBest(int longest, const std::string &person = "Eva")
    {
        return IsPersonalBest(SummariseLog(Longest(longest)), root.string(), person, kSaved);
    }
};

TEST_F(PersonalBestTest, OnlyALongerSequenceThanEveryOtherTestOfThePersonIsARecord)
{
    const struct
    {
        const char *name;
        std::vector<std::pair<std::string, std::string>> files; // name, bytes
        int longest;
        bool best;
    } cases[] = {
        {"a first test has nothing to beat", {{kSaved, Block(Longest(9))}}, 6, false},
        {"longer than every earlier test",
         {{"Eva 2024_03_01 08_00.mem", Block(Longest(4))},
          {"Eva 2024_03_02 08_00.mem", Block(Longest(5))}},
         6,
         true},
        {"as long as the best is no record",
         {{"Eva 2024_03_01 08_00.mem", Block(Longest(6))}},
         6,
         false},
        {"the test's own file does not count",
         {{kSaved, Block(Longest(6))}, {"Eva 2024_03_01 08_00.mem", Block(Longest(5))}},
         6,
         true},
        {"a copy of the same minute is the same person",
         {{"Eva (2) 2024_03_01 08_00.mem", Block(Longest(7))}},
         6,
         false},
        {"other persons do not count",
         {{"Eva Nová 2024_03_01 08_00.mem", Block(Longest(9))},
          {"Evan 2024_03_01 08_00.mem", Block(Longest(9))},
          {"Eva 2024_03_02 08_00.mem", Block(Longest(5))}},
         6,
         true},
        {"files that cannot be read or tell no time, and tests without attempts, are passed over",
         {{"Eva 2024_03_01 08_00.mem", std::string(kResultsFileBytes - 1, '\x7f')},
          {"Eva 2024_03_02 08_00.mem", ""},
          {"Eva 2024_02_30 08_00.mem", Block(Longest(9))},
          {".Eva 2024_03_03 08_00.mem", Block(Longest(9))},
          {"Eva 2024_03_04 08_00.mem", Block(LogRecords{})}},
         6,
         false},
        {"a test without a correct sequence beats nothing",
         {{"Eva 2024_03_01 08_00.mem", Block(Longest(0))}},
         0,
         false},
        {"but any correct sequence beats one",
         {{"Eva 2024_03_01 08_00.mem", Block(Longest(0))}},
         2,
         true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(root);
        std::filesystem::create_directory(root);
        for (const auto &[name, bytes] : c.files)
            WriteBytes(root / name, bytes);
        EXPECT_EQ(IsBest(c.longest), c.best);
    }
}

TEST_F(PersonalBestTest, ThePersonsOwnCopyNumberAndAMissingFolderAreNoObstacle)
{
    WriteBytes(root / "Eva 2024_03_01 08_00.mem", Block(Longest(5)));
    EXPECT_TRUE(IsBest(6, "Eva (3)"));
    EXPECT_FALSE(
        IsPersonalBest(SummariseLog(Longest(6)), (root / "missing").string(), "Eva", kSaved));
}

} // namespace
} // namespace vorlant
