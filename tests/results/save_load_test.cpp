#include "results/results_file.h"
#include "results/results_store.h"
#include "tests/results/store_test_support.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include <sys/stat.h>

namespace vorlant {
namespace {

namespace fs = std::filesystem;

const std::string kFileName = "Novák Jan 2024_03_05 09_07.mem";

std::string Block(const LogRecords &records)
{
    const ResultsBlock block = EncodeResults(records);
    return {reinterpret_cast<const char *>(block.data()), block.size()};
}

class SaveLoadTest : public test::TemporaryFolderTest
{
protected:
    SaveLoadTest()
    {
        store.SetDataDirectory(data.string());
        store.CreateDataDirectory();
    }

    testing::RecordingSink sink;
    ResultsStore store{sink, [] { return LocalTime{2024, 3, 5, 9, 7}; }, "/nowhere/"};
    fs::path data = root / "data";
    // Three attempts, then one left over from a longer earlier test: saved as they stand.
    LogRecords attempts{{{4, true, 1000}, {5, false, 1001}, {6, true, 1002}, {}, {9, true, 777}}};
};

TEST_F(SaveLoadTest, SavesInsideTheDataDirectoryReplacingTheSameMinutesFileAndLoadsBack)
{
    WriteBytes(root / "elsewhere.mem", "old");
    fs::create_symlink(root / "elsewhere.mem", data / "a_b 2024_03_05 09_07.mem");
    for (const std::string person : {"../../escape", ".", "..", "a/b", "Novák Jan"})
        ASSERT_TRUE(store.SaveResults(LogRecords{}, person)) << person;
    fs::permissions(data / kFileName, fs::perms(0640));
    ASSERT_TRUE(store.SaveResults(attempts, "Novák Jan"));

    EXPECT_EQ(Entries(data),
              (std::set<std::string>{".._.._escape 2024_03_05 09_07.mem", kFileName,
                                     ". 2024_03_05 09_07.mem", "a_b 2024_03_05 09_07.mem",
                                     ".. 2024_03_05 09_07.mem"}));
    EXPECT_EQ(Entries(root), (std::set<std::string>{"data", "elsewhere.mem"}));
    EXPECT_TRUE(fs::is_symlink(data / "a_b 2024_03_05 09_07.mem")) << "written through";
    EXPECT_EQ(ReadBytes(root / "elsewhere.mem"), Block(LogRecords{}));
    EXPECT_EQ(ReadBytes(data / kFileName), Block(attempts));
    EXPECT_EQ(fs::status(data / kFileName).permissions(), fs::perms(0640)) << "kept on replacing";

    // Loading never writes, so a write-protected file loads.
    fs::permissions(data / kFileName, fs::perms(0444));
    EXPECT_TRUE(store.LoadResults(data.string(), kFileName));
    EXPECT_EQ(store.ViewedLog(), attempts);
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(SaveLoadTest, FailedSaveReportsThePathAndLeavesEveryFileAsItWas)
{
    ASSERT_TRUE(store.SaveResults(attempts, "Novák Jan"));
    WriteBytes(root / "plain-file", "not a folder");
    fs::create_directory(data / "Dir 2024_03_05 09_07.mem");
    const std::tuple<fs::path, std::string, rlim_t> cases[] = {
        {data, "Novák Jan", 4096}, // cut short: the earlier file of the same name stays whole
        {root / "plain-file" / "data", "Novák Jan", RLIM_INFINITY},
        {root / "missing", "Novák Jan", RLIM_INFINITY},
        {data, "Dir", RLIM_INFINITY},                  // a folder stands where the file should be
        {data, std::string(300, 'a'), RLIM_INFINITY}}; // longer than the file system allows
    for (const auto &[folder, person, limit] : cases) {
        sink.messages.clear();
        store.SetDataDirectory(folder.string());
        EXPECT_FALSE(
            test::WithFileSizeLimit(limit, [&] { return store.SaveResults(attempts, person); }));
        EXPECT_EQ(sink.messages, std::vector{"Soubor " + folder.string() + "/" + person +
                                             " 2024_03_05 09_07.mem nelze uložit"});
        EXPECT_EQ(Entries(data), (std::set<std::string>{kFileName, "Dir 2024_03_05 09_07.mem"}));
        EXPECT_EQ(ReadBytes(data / kFileName), Block(attempts));
    }
    EXPECT_EQ(Entries(root), (std::set<std::string>{"data", "plain-file"}));
}

// A file of exactly 16016 bytes loads in the test above.
TEST_F(SaveLoadTest, LoadTakesTheFirstBlockOfAFileLongEnoughAndOtherwiseChangesNothing)
{
    WriteBytes(root / "long.mem", Block(attempts) + std::string(3984, '\x5A'));
    WriteBytes(root / "short.mem", Block(LogRecords{}).substr(0, 16015));
    fs::create_directory(root / "folder.mem");
    ASSERT_EQ(::mkfifo((root / "pipe.mem").c_str(), 0600), 0);

    ASSERT_TRUE(store.LoadResults(root.string(), "long.mem"));
    EXPECT_EQ(store.ViewedLog(), attempts);
    EXPECT_TRUE(sink.messages.empty());
    for (const std::string name : {"short.mem", "missing.mem", "folder.mem", "pipe.mem", ""}) {
        sink.messages.clear();
        // One separator between folder and name, however the folder ends.
        EXPECT_FALSE(store.LoadResults(root.string() + "/", name));
        EXPECT_EQ(store.ViewedLog(), attempts) << name;
        EXPECT_EQ(sink.messages,
                  std::vector{"Soubor " + root.string() + "/" + name + " nelze načíst"});
    }
}

} // namespace
} // namespace vorlant
