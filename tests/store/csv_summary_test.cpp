#include "store/attempt_sheet.h"
#include "store/csv_export.h"
#include "store/results_file.h"
#include "store/results_name.h"
#include "store/test_summary.h"
#include "tests/store/store_test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vorlant {
namespace {

using test::MakeLog;

TEST(ResultsFileNameParts, PersonAndTimeAsTheArchiveListSplitsThem)
{
    const struct
    {
        std::string fileName, person;
        std::optional<LocalTime> time;
    } cases[] = {
        {"Novák Jan 2024_03_05 09_07.mem", "Novák Jan", LocalTime{2024, 3, 5, 9, 7}},
        {"Novák Jan (2) 2024_03_05 09_07.mem", "Novák Jan (2)", LocalTime{2024, 3, 5, 9, 7}},
        {"Ťa, \"ř\" 2024_02_29 00_00.mem", "Ťa, \"ř\"", LocalTime{2024, 2, 29, 0, 0}},
        // Not a real date or time: the person stays, the time is not there.
        {"X 2023_02_29 10_00.mem", "X", std::nullopt},
        {"X 2024_04_31 10_00.mem", "X", std::nullopt},
        {"X 2024_01_01 10_60.mem", "X", std::nullopt},
        {"X_2024_01_01 10_00.mem", "X", std::nullopt},
        // Too short: no person, as in the list; characters, not bytes, are counted.
        {"x.mem", "", std::nullopt},
        {"Žížala 2024_01_01 10_00.mem", "Žížala", LocalTime{2024, 1, 1, 10, 0}},
        {"ab 2024_01_01 1ž_00.mem", "ab", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.fileName);
        const ResultsNameParts parts = ParseResultsFileName(c.fileName);
        EXPECT_EQ(parts.person, c.person);
        ASSERT_EQ(parts.time.has_value(), c.time.has_value());
        if (c.time) {
            EXPECT_EQ(IsoLocalTime(*parts.time), IsoLocalTime(*c.time));
        }
    }
}

TEST(ResultsFileNameParts, ACopyNumberBelongsToTheSamePerson)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Novák Jan (2)", "Novák Jan"},
        {"Novák Jan ()", "Novák Jan ()"},
        {"Novák Jan(2)", "Novák Jan(2)"},
        {" (3)", ""},
        {"(3)", "(3)"},
        {"A (2) (3)", "A (2)"},
    };
    for (const auto &[person, without] : cases)
        EXPECT_EQ(PersonWithoutCopyNumber(person), without) << person;
    EXPECT_TRUE(IsSamePerson("Novák Jan (2)", "Novák Jan"));
    EXPECT_FALSE(IsSamePerson("Novák Jan", "Nováková Jana"));
    EXPECT_FALSE(IsSamePerson("Novák", "Novák Jan"));
}

// A text that a spreadsheet would take for a formula gets a leading quote, inside the quoting.
TEST(CsvField, QuotesOnlyWhatMustBeQuotedDoublesQuotesAndKeepsFormulasText)
{
    const std::pair<std::string, std::string> cases[] = {
        {"=1+1", "'=1+1"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"+420 777", "'+420 777"},
        {"-2", "'-2"},
        {"\t=A1", "'\t=A1"},
        {"\r=A1", "\"'\r=A1\""},
        {"=A1,B1", "\"'=A1,B1\""},
        {"=\"x\"", "\"'=\"\"x\"\"\""},
        {"a=1+1", "a=1+1"},
        {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"two\nlines", "\"two\nlines\""},
        {"", ""},
    };
    for (const auto &[text, field] : cases)
        EXPECT_EQ(CsvField(text), field) << text;
}

class ResultsReading : public test::TemporaryFolderTest
{};

TEST_F(ResultsReading, ReadsTheFirstBlockAndRefusesWhatIsNoResultsFile)
{
    const LogRecords log = MakeLog({{4, true, 1500}, {5, false, 12}});
    const std::string bytes = test::Block(log);
    WriteBytes(root / "whole.mem", bytes);
    WriteBytes(root / "longer.mem", bytes + "more");
    WriteBytes(root / "short.mem", bytes.substr(1));
    std::filesystem::create_directory(root / "folder.mem");

    std::error_code error;
    EXPECT_EQ(ReadResultsFile(root / "whole.mem", error), log);
    EXPECT_FALSE(error);
    EXPECT_EQ(ReadResultsFile(root / "longer.mem", error), log);
    for (const char *name : {"short.mem", "folder.mem", "missing.mem"}) {
        EXPECT_EQ(ReadResultsFile(root / name, error), std::nullopt) << name;
        EXPECT_TRUE(error) << name;
    }

    // Files that cannot be read add no line and are named; the others keep their order.
    const CsvOfFiles csv = ComposeCsv(root, {"longer.mem", "short.mem", "whole.mem"});
    EXPECT_EQ(csv.unreadable, std::vector<std::string>{"short.mem"});
    EXPECT_EQ(csv.csv, std::string(kCsvHeader) +
                           ",,longer.mem,0,4,1,1500\n,,longer.mem,1,5,0,12\n" +
                           ",,whole.mem,0,4,1,1500\n,,whole.mem,1,5,0,12\n");
}

// Every length the engine can give an attempt is 1 to 50; a file with any other before its
// end was not written by this program (a planted one), and none of the readers takes it.
TEST_F(ResultsReading, LengthsNoTestCanHaveMakeAFileUnreadableForEveryReader)
{
    const struct
    {
        const char *name;
        LogRecords log;
        bool readable;
    } cases[] = {
        {"shortest.mem", MakeLog({{1, true, 1}, {2, false, 2}}), true},
        {"longest.mem", MakeLog({{50, true, 1}, {49, false, 2}}), true},
        {"none.mem", LogRecords{}, true},
        {"above.mem", MakeLog({{4, true, 1}, {51, false, 2}}), false},
        {"most.mem", MakeLog({{2147483647, true, 1}}), false},
        {"negative.mem", MakeLog({{4, true, 1}, {-1, true, 2}}), false},
        {"least.mem", MakeLog({{-2147483647 - 1, false, 1}}), false},
    };
    std::vector<std::string> names, unreadable;
    for (const auto &c : cases) {
        LogRecords log = c.log;
        log[kLogRecords - 1] = {-5, true, 3}; // after the end: no meaning
        WriteBytes(root / c.name, test::Block(log));
        std::error_code error;
        EXPECT_EQ(ReadResultsFile(root / c.name, error).has_value(), c.readable) << c.name;
        EXPECT_EQ(bool(error), !c.readable) << c.name;
        names.push_back(c.name);
        if (!c.readable)
            unreadable.push_back(c.name);
    }
    EXPECT_EQ(ComposeCsv(root, names).unreadable, unreadable);
    const AttemptsOfFiles attempts = ComposeAttemptsSheet(root, names);
    EXPECT_EQ(attempts.unreadable, unreadable);
    EXPECT_EQ(attempts.sheet.rows.size(), 4u) << "the attempts of the readable files";
}

} // namespace
} // namespace vorlant
