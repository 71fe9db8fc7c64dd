#include "store/file_io.h"
#include "store/local_time.h"
#include "store/person_files.h"
#include "store/results_file.h"
#include "tests/store/store_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vorlant {
namespace {

namespace fs = std::filesystem;
using test::Block;
using test::MakeLog;

const LocalTime kMinute{2024, 3, 5, 9, 7};

// Each file's content tells it apart: its number in the first record's time.
std::string Content(int number)
{
    return Block(MakeLog({{4, true, number}}));
}

class PersonFilesTest : public test::TemporaryFolderTest
{
protected:
    void Write(const std::string &name, int number) { WriteBytes(root / name, Content(number)); }
    // name → the number its content carries; "?" names a file that is no whole results file.
    std::map<std::string, std::int64_t> Numbers()
    {
        std::map<std::string, std::int64_t> numbers;
        for (const std::string &name : Entries(root)) {
            const std::string bytes = ReadBytes(root / name);
            if (bytes.size() != kResultsFileBytes) {
                numbers[name] = -1;
                continue;
            }
            numbers[name] = DecodeResults(std::span<const unsigned char, kResultsFileBytes>(
                reinterpret_cast<const unsigned char *>(bytes.data()), kResultsFileBytes))[0]
                                .elapsedMs;
        }
        return numbers;
    }
    std::string Folder() const { return root.string(); }
};

TEST_F(PersonFilesTest, APersonsFilesAreTheListedOnesOfThatPersonWithCopiesOldestFirst)
{
    Write("Novák Jan 2024_03_05 09_07.mem", 1);
    Write("Novák Jan (10) 2024_03_05 09_07.mem", 2);
    Write("Novák Jan (2) 2024_03_05 09_07.mem", 3);
    Write("Novák Jan 2024_03_04 10_00.mem", 4);
    Write("Novák Jan 2024_13_45 99_99.mem", 5); // no real time, yet listed under the person
    Write("Novák Jana 2024_03_05 09_07.mem", 6);
    Write("Nováková Jana 2024_03_05 09_07.mem", 7);
    Write(".Novák Jan 2024_03_05 09_07.mem.Ab12Cd.tmp", 8);  // a save's temporary file
    WriteBytes(root / "Novák Jan 2024_03_06 08_00.mem", ""); // a save under way
    Write("Novák Jan 2024_03_07 08_00.txt", 9);
    fs::create_directory(root / "Novák Jan 2024_03_08 08_00.mem");
    fs::create_symlink(root / "Novák Jana 2024_03_05 09_07.mem",
                       root / "Novák Jan 2024_03_09 08_00.mem");

    EXPECT_EQ(FindPersonFiles(Folder(), "Novák Jan"),
              (std::vector<std::string>{
                  "Novák Jan 2024_03_04 10_00.mem", "Novák Jan 2024_03_05 09_07.mem",
                  "Novák Jan (2) 2024_03_05 09_07.mem", "Novák Jan (10) 2024_03_05 09_07.mem",
                  "Novák Jan 2024_03_09 08_00.mem", "Novák Jan 2024_13_45 99_99.mem"}));
    EXPECT_EQ(
        CountFilesByPerson(Folder()),
        (std::map<std::string, int>{{"Novák Jan", 6}, {"Novák Jana", 1}, {"Nováková Jana", 1}}));
    EXPECT_TRUE(FindPersonFiles((root / "missing").string(), "Novák Jan").empty());
}

TEST_F(PersonFilesTest, ATypedNameStandsForThePersonItsFileNamesCarry)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Novák Jan", "Novák Jan"},
        {"a/b", "a_b"},
        {".skrytý", "_skrytý"},
        {"tab\there", "tab_here"},
        {"Novák Jan (2)", "Novák Jan"},
        {"Novák (Jan)", "Novák (Jan)"},
        {"", ""},
    };
    for (const auto &[typed, person] : cases)
        EXPECT_EQ(PersonOfTypedName(typed), person) << typed;
}

TEST_F(PersonFilesTest, RenamingKeepsEachTestsTimeAndMergesIntoTakenNamesWithoutReplacingAny)
{
    Write("Novak Jan 2024_03_05 09_07.mem", 1);
    Write("Novak Jan (2) 2024_03_05 09_07.mem", 2);
    Write("Novak Jan 2024_03_06 10_00.mem", 3);
    Write("Novák Jan 2024_03_05 09_07.mem", 4); // the other person has this minute, twice
    Write("Novák Jan (2) 2024_03_05 09_07.mem", 5);
    Write("Novák Jan 2024_01_01 08_00.mem", 6);

    const RenamedFiles outcome =
        RenamePersonFiles(Folder(), FindPersonFiles(Folder(), "Novak Jan"), "Novák Jan");

    EXPECT_EQ(outcome.renamed, (std::vector<std::string>{"Novák Jan (3) 2024_03_05 09_07.mem",
                                                         "Novák Jan (4) 2024_03_05 09_07.mem",
                                                         "Novák Jan 2024_03_06 10_00.mem"}));
    EXPECT_TRUE(outcome.failed.empty());
    EXPECT_EQ(Numbers(),
              (std::map<std::string, std::int64_t>{{"Novák Jan 2024_01_01 08_00.mem", 6},
                                                   {"Novák Jan 2024_03_05 09_07.mem", 4},
                                                   {"Novák Jan (2) 2024_03_05 09_07.mem", 5},
                                                   {"Novák Jan (3) 2024_03_05 09_07.mem", 1},
                                                   {"Novák Jan (4) 2024_03_05 09_07.mem", 2},
                                                   {"Novák Jan 2024_03_06 10_00.mem", 3}}));
}

TEST_F(PersonFilesTest, AFileThatCannotBeRenamedIsNamedAndTheOthersAreRenamedAllTheSame)
{
    Write("Novak Jan 2024_03_05 09_07.mem", 1);
    Write("Novak Jan 2024_03_06 09_07.mem", 2);
    Write("Novak Jan 2024_03_07 09_07.mem", 3);
    const std::vector<std::string> files = FindPersonFiles(Folder(), "Novak Jan");
    fs::remove(root / "Novak Jan 2024_03_06 09_07.mem"); // taken away by another computer

    const RenamedFiles outcome = RenamePersonFiles(Folder(), files, "Eva");

    EXPECT_EQ(outcome.failed, std::vector<std::string>{"Novak Jan 2024_03_06 09_07.mem"});
    EXPECT_EQ(outcome.renamed,
              (std::vector<std::string>{"Eva 2024_03_05 09_07.mem", "Eva 2024_03_07 09_07.mem"}));
    EXPECT_EQ(Numbers(), (std::map<std::string, std::int64_t>{{"Eva 2024_03_05 09_07.mem", 1},
                                                              {"Eva 2024_03_07 09_07.mem", 3}}));
}

// A copy of the program on another computer saves tests of the person renamed into, in the
// same minute, while the rename runs: every file of both stays, each whole.
TEST_F(PersonFilesTest, RenamingWhileAnotherProcessSavesUnderTheNewNameReplacesNoFile)
{
    constexpr int kEach = 150;
    for (int n = 0; n < kEach; ++n)
        Write(ResultsFileName("Novak Jan", kMinute, n + 1), n);
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    const pid_t saver = ::fork();
    ASSERT_GE(saver, 0);
    if (saver == 0) {
        ::close(go[1]);
        char ignored;
        (void)!::read(go[0], &ignored, 1);
        int failed = 0;
        for (int n = 0; n < kEach; ++n) {
            const auto name = [](int copy) { return ResultsFileName("Novák Jan", kMinute, copy); };
            failed += !WriteNewFile(root.string(), name, Content(1000 + n)).has_value();
        }
        ::_exit(failed == 0 ? 0 : 1);
    }
    ::close(go[0]);
    ::close(go[1]); // both go
    const RenamedFiles outcome =
        RenamePersonFiles(Folder(), FindPersonFiles(Folder(), "Novak Jan"), "Novák Jan");
    int status = 0;
    ASSERT_EQ(::waitpid(saver, &status, 0), saver);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";

    EXPECT_TRUE(outcome.failed.empty());
    std::set<std::int64_t> numbers;
    for (const auto &[name, number] : Numbers()) {
        EXPECT_TRUE(name.starts_with("Novák Jan")) << name;
        numbers.insert(number);
    }
    EXPECT_EQ(numbers.size(), 2u * kEach) << "every file of both, none replaced";
    EXPECT_EQ(numbers.count(-1), 0u) << "each one whole";
}

} // namespace
} // namespace vorlant
