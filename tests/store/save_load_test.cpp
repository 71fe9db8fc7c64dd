#include "store/failure_reason.h"
#include "store/file_io.h"
#include "store/local_time.h"
#include "store/results_file.h"
#include "store/results_store.h"
#include "tests/store/store_test_support.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <span>
#include <tuple>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vorlant {
namespace {

namespace fs = std::filesystem;
using test::Block;

const std::string kFileName = "Novák Jan 2024_03_05 09_07.mem";

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

TEST_F(SaveLoadTest, SavesInsideTheDataDirectoryUnderTheFirstFreeNameAndLoadsBack)
{
    // Whatever stands under a name already (a file, a link, a folder) keeps it.
    WriteBytes(root / "elsewhere.mem", "old");
    fs::create_symlink(root / "elsewhere.mem", data / "a_b 2024_03_05 09_07.mem");
    fs::create_directory(data / "Dir 2024_03_05 09_07.mem");
    for (const std::string person : {"../../escape", "a/b", "Dir", "Novák Jan"})
        ASSERT_TRUE(store.SaveResults(LogRecords{}, person)) << person;
    ASSERT_TRUE(store.SaveResults(attempts, "Novák Jan"));
    ASSERT_TRUE(store.SaveResults(attempts, "Novák Jan"));

    EXPECT_EQ(Entries(data),
              (std::set<std::string>{"_._.._escape 2024_03_05 09_07.mem",
                                     "a_b 2024_03_05 09_07.mem", "a_b (2) 2024_03_05 09_07.mem",
                                     "Dir 2024_03_05 09_07.mem", "Dir (2) 2024_03_05 09_07.mem",
                                     kFileName, "Novák Jan (2) 2024_03_05 09_07.mem",
                                     "Novák Jan (3) 2024_03_05 09_07.mem"}));
    EXPECT_EQ(Entries(root), (std::set<std::string>{"data", "elsewhere.mem"}));
    EXPECT_EQ(ReadBytes(root / "elsewhere.mem"), "old");
    EXPECT_EQ(ReadBytes(data / "Novák Jan (3) 2024_03_05 09_07.mem"), Block(attempts));

    // Loading never writes, so a write-protected file loads.
    fs::permissions(data / "Novák Jan (2) 2024_03_05 09_07.mem", fs::perms(0444));
    EXPECT_TRUE(store.LoadResults(data.string(), "Novák Jan (2) 2024_03_05 09_07.mem"));
    EXPECT_EQ(store.ViewedLog(), attempts);
    EXPECT_TRUE(sink.messages.empty());
}

// The reasons that a test cannot bring about for real each have a wording of their own.
TEST(FailureReason, NamesWhatTheSystemReportedInTheProgramsOwnWords)
{
    const struct
    {
        std::errc error;
        const char *reason;
    } cases[] = {
        {std::errc::no_space_on_device, "Na disku není dost místa."},
        {std::errc::read_only_file_system, "Disk je jen pro čtení."},
        {std::errc::permission_denied, "Přístup byl odepřen."},
        {std::errc::operation_not_permitted, "Přístup byl odepřen."},
        {std::errc::io_error, "Při čtení nebo zápisu na disk nastala chyba."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FailureReason(std::make_error_code(c.error)).filled(), c.reason);
    // Disk quotas are full disks too; what has no wording of its own says what the system said.
    EXPECT_EQ(FailureReason({EDQUOT, std::system_category()}).filled(),
              "Na disku není dost místa.");
    EXPECT_EQ(FailureReason(std::make_error_code(std::errc::too_many_links)).filled(),
              "Chyba systému: " + std::make_error_code(std::errc::too_many_links).message() + ".");
}

TEST_F(SaveLoadTest, FailedSaveReportsThePathAndWhyAndLeavesEveryFileAsItWas)
{
    ASSERT_TRUE(store.SaveResults(attempts, "Novák Jan"));
    WriteBytes(root / "plain-file", "not a folder");
    const std::string tooLarge =
        "Chyba systému: " + std::make_error_code(std::errc::file_too_large).message() + ".";
    const std::tuple<fs::path, std::string, rlim_t, std::string> cases[] = {
        {data, "Novák Jan", 4096, tooLarge}, // cut short: no file under any name
        {root / "plain-file" / "data", "Novák Jan", RLIM_INFINITY, "Část cesty není složka."},
        {root / "missing", "Novák Jan", RLIM_INFINITY, "Složka nebo soubor neexistuje."},
        // longer than the file system allows
        {data, std::string(300, 'a'), RLIM_INFINITY, "Název je příliš dlouhý."}};
    for (const auto &[folder, person, limit, reason] : cases) {
        sink.messages.clear();
        store.SetDataDirectory(folder.string());
        EXPECT_FALSE(
            test::WithFileSizeLimit(limit, [&] { return store.SaveResults(attempts, person); }));
        EXPECT_EQ(sink.messages, std::vector{"Soubor " + folder.string() + "/" + person +
                                             " 2024_03_05 09_07.mem nelze uložit\n" + reason});
        EXPECT_EQ(Entries(data), (std::set<std::string>{kFileName}));
        EXPECT_EQ(ReadBytes(data / kFileName), Block(attempts));
    }
    EXPECT_EQ(Entries(root), (std::set<std::string>{"data", "plain-file"}));
}

// A test whose save fails is kept in the fallback folder, made when needed, under the same
// name rules; the message says where. A fallback that fails too leaves the message alone.
TEST_F(SaveLoadTest, FailedSaveKeepsTheTestInTheFallbackFolderAndSaysWhere)
{
    WriteBytes(root / "plain-file", "not a folder");
    store.SetDataDirectory((root / "plain-file" / "data").string());
    const std::string failed = "Soubor " + (root / "plain-file" / "data").string() +
                               "/Novák Jan 2024_03_05 09_07.mem nelze uložit\n"
                               "Část cesty není složka.";
    const fs::path fallback = root / "user" / "neulozene";
    store.SetFallbackFolder(fallback.string());

    for (const std::string &kept : {kFileName, std::string("Novák Jan (2) 2024_03_05 09_07.mem")}) {
        sink.messages.clear();
        EXPECT_FALSE(store.SaveResults(attempts, "Novák Jan"));
        EXPECT_EQ(sink.messages, std::vector{failed + "\nVýsledky byly uloženy do " +
                                             (fallback / kept).string() + "."});
        EXPECT_EQ(ReadBytes(fallback / kept), Block(attempts));
    }

    sink.messages.clear();
    store.SetFallbackFolder((root / "plain-file" / "neulozene").string());
    EXPECT_FALSE(store.SaveResults(attempts, "Novák Jan"));
    EXPECT_EQ(sink.messages, std::vector{failed});
    EXPECT_EQ(Entries(root), (std::set<std::string>{"data", "plain-file", "user"}));
}

// With no folder left, the chooser gets the message and the results go where it says, until
// a place takes them or it gives up; the sink hears nothing.
TEST_F(SaveLoadTest, WithNoFolderLeftTheChooserIsOfferedThePlacesUntilOneTakesTheFile)
{
    WriteBytes(root / "plain-file", "not a folder");
    store.SetDataDirectory((root / "plain-file" / "data").string());
    store.SetFallbackFolder((root / "plain-file" / "neulozene").string());
    const std::string failed = "Soubor " + (root / "plain-file" / "data").string() +
                               "/Novák Jan 2024_03_05 09_07.mem nelze uložit\n"
                               "Část cesty není složka.";
    const std::string blocked = (root / "plain-file" / "x.mem").string();
    const std::string stick = (root / "stick.mem").string();
    std::vector<std::string> places, offered;
    store.SetElsewhereChooser([&](const UserText &message, const std::string &fileName) {
        offered.push_back(message.filled() + " | " + fileName);
        if (places.empty())
            return std::string();
        std::string place = places.front();
        places.erase(places.begin());
        return place;
    });

    places = {blocked, stick};
    EXPECT_FALSE(store.SaveResults(attempts, "Novák Jan"));
    EXPECT_EQ(offered,
              (std::vector<std::string>{
                  failed + " | " + kFileName,
                  "Soubor " + blocked + " nelze uložit\nČást cesty není složka. | " + kFileName}));
    EXPECT_EQ(ReadBytes(stick), Block(attempts));
    EXPECT_EQ(store.SavedFileName(), "stick.mem");
    EXPECT_TRUE(sink.messages.empty());

    offered.clear();
    EXPECT_FALSE(store.SaveResults(attempts, "Novák Jan"));
    EXPECT_EQ(offered, std::vector<std::string>{failed + " | " + kFileName});
    EXPECT_EQ(store.SavedFileName(), "");
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(Entries(root), (std::set<std::string>{"data", "plain-file", "stick.mem"}));
}

// Runs save(process, n) for n = 0 .. savesEach - 1 in each of two processes, started at once;
// each save's records tell the process and n apart. Fails the test when a save fails.
void SaveInTwoProcessesAtOnce(int savesEach, const std::function<bool(const LogRecords &)> &save)
{
    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    std::vector<pid_t> savers;
    for (int process = 0; process < 2; ++process) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(go[1]);
            char ignored;
            (void)!::read(go[0], &ignored, 1); // returns once the parent lets both go
            int failed = 0;
            for (int n = 0; n < savesEach; ++n) {
                LogRecords records{};
                records[0] = {4, true, process * 1000 + n};
                failed += !save(records);
            }
            ::_exit(failed == 0 ? 0 : 1);
        }
        savers.push_back(pid);
    }
    ::close(go[0]);
    ::close(go[1]);
    for (const pid_t pid : savers) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
    }
}

// Every file in folder is a whole results file named for Novák Jan at 9:07; returns the
// elapsedMs of their first records, which tell the saves apart.
std::set<std::int64_t> WholeFilesOfNovakJan(const fs::path &folder)
{
    std::set<std::int64_t> saves;
    for (const auto &entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name.starts_with("Novák Jan ") && name.ends_with(" 2024_03_05 09_07.mem"))
            << name;
        std::ifstream file(entry.path(), std::ios::binary);
        std::string bytes{std::istreambuf_iterator<char>(file), {}};
        EXPECT_EQ(bytes.size(), kResultsFileBytes) << name;
        bytes.resize(kResultsFileBytes);
        saves.insert(DecodeResults(std::span<const unsigned char, kResultsFileBytes>(
            reinterpret_cast<const unsigned char *>(bytes.data()), kResultsFileBytes))[0]
                         .elapsedMs);
    }
    return saves;
}

// Two copies of the program saving the same person's tests in the same minute into one folder
// (one computer, or two sharing a network folder) keep every file, each one whole.
TEST_F(SaveLoadTest, TwoProcessesSavingOneNameInOneMinuteKeepEveryFileWhole)
{
    SaveInTwoProcessesAtOnce(
        100, [&](const LogRecords &records) { return store.SaveResults(records, "Novák Jan"); });
    EXPECT_EQ(Entries(data).size(), 200u) << "no file replaced, none left over";
    EXPECT_EQ(WholeFilesOfNovakJan(data).size(), 200u) << "every save's own content";
}

// Where the file system lacks hard links, or renaming without replacing too, the other ways
// of claiming a name keep the same promise.
TEST_F(SaveLoadTest, EveryWayOfClaimingANameKeepsEveryFileOfTwoProcesses)
{
    for (const ClaimMethod method : {ClaimMethod::RenameNoReplace, ClaimMethod::ExclusiveCreate}) {
        const fs::path folder = root / std::to_string(static_cast<int>(method));
        fs::create_directory(folder);
        SaveInTwoProcessesAtOnce(50, [&](const LogRecords &records) {
            const auto name = [](int copy) {
                return ResultsFileName("Novák Jan", {2024, 3, 5, 9, 7}, copy);
            };
            return WriteNewFile(folder.string(), name, Block(records), method).has_value();
        });
        EXPECT_EQ(Entries(folder).size(), 100u) << static_cast<int>(method);
        EXPECT_EQ(WholeFilesOfNovakJan(folder).size(), 100u) << static_cast<int>(method);
    }
}

// Some network file systems (sshfs) refuse to create a name exclusively with EPERM, not EEXIST,
// when another computer holds it. Such a share is played by strace: the first name has a file,
// hard links and renaming without replacing are unsupported there, and exclusive creation is
// refused. The save takes the next name, as for a name that is plainly taken.
TEST_F(SaveLoadTest, ANameRefusedAsNotPermittedWhereAFileHoldsItIsTakenAsTaken)
{
    const fs::path share = root / "share";
    fs::create_directory(share);
    const fs::path taken = share / "Eva 2024_03_05 09_07.mem";
    WriteBytes(taken, "another computer's test");
    // LeakSanitizer cannot watch a traced process.
    const std::string command =
        "ASAN_OPTIONS=$ASAN_OPTIONS:detect_leaks=0 " + std::string(VORLANT_STRACE) +
        " -f -qq -o /dev/null -P '" + taken.string() +
        "' -e trace=link,renameat2,openat -e inject=link:error=EPERM" +
        " -e inject=renameat2:error=EINVAL -e inject=openat:error=EPERM " + VORLANT_TEST_SAVER +
        " '" + share.string() + "' Eva 1 7 > /dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << "the save succeeded";
    EXPECT_EQ(ReadBytes(taken), "another computer's test");
    EXPECT_EQ(Entries(share),
              (std::set<std::string>{"Eva 2024_03_05 09_07.mem", "Eva (2) 2024_03_05 09_07.mem"}));
}

// A file of exactly 16016 bytes loads in the test above. What cannot be loaded is named with
// the reason.
TEST_F(SaveLoadTest, LoadTakesTheFirstBlockOfAFileLongEnoughAndOtherwiseChangesNothing)
{
    WriteBytes(root / "long.mem", Block(attempts) + std::string(3984, '\x5A'));
    WriteBytes(root / "short.mem", Block(LogRecords{}).substr(0, 16015));
    fs::create_directory(root / "folder.mem");
    ASSERT_EQ(::mkfifo((root / "pipe.mem").c_str(), 0600), 0);

    ASSERT_TRUE(store.LoadResults(root.string(), "long.mem"));
    EXPECT_EQ(store.ViewedLog(), attempts);
    EXPECT_TRUE(sink.messages.empty());
    const std::pair<std::string, std::string> cases[] = {
        {"short.mem", "Soubor je kratší než výsledky testu."},
        {"missing.mem", "Složka nebo soubor neexistuje."},
        {"folder.mem", "Na tom místě je složka."},
        {"pipe.mem", "Není to obyčejný soubor."},
        {"", "Na tom místě je složka."}};
    for (const auto &[name, reason] : cases) {
        sink.messages.clear();
        // One separator between folder and name, however the folder ends.
        EXPECT_FALSE(store.LoadResults(root.string() + "/", name));
        EXPECT_EQ(store.ViewedLog(), attempts) << name;
        EXPECT_EQ(sink.messages,
                  std::vector{"Soubor " + root.string() + "/" + name + " nelze načíst\n" + reason});
    }
}

} // namespace
} // namespace vorlant
