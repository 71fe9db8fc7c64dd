#include "store/file_io.h"
#include "store/local_time.h"
#include "store/results_file.h"
#include "store/results_store.h"
#include "tests/store/store_test_support.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Whether file locks reach every process, as on one computer. Cleared, every lock is granted,
// as on a network share where each computer keeps its locks to itself.
std::atomic<bool> locksShared{true};
} // namespace

// Every flock of this test program, the store's included, comes here.
extern "C" int flock(int fd, int operation) noexcept
{
    using Flock = int (*)(int, int) noexcept;
    static const auto real = reinterpret_cast<Flock>(::dlsym(RTLD_NEXT, "flock"));
    if (!locksShared && (operation & LOCK_UN) == 0)
        return 0;
    return real(fd, operation);
}

namespace vorlant {
namespace {

namespace fs = std::filesystem;
using test::Block;

// Long enough that a file counts as quiet.
constexpr auto kAMinuteAgo = std::chrono::seconds(90);

class LocksLocalToEachComputer
{
public:
    LocksLocalToEachComputer() { locksShared = false; }
    ~LocksLocalToEachComputer() { locksShared = true; }
};

const std::string kName = "Novák Jan 2024_03_05 09_07.mem";
const std::string kSecond = "Novák Jan (2) 2024_03_05 09_07.mem";
const LocalTime kTime{2024, 3, 5, 9, 7};

CandidateName NamesOfNovakJan()
{
    return [](int copy) { return ResultsFileName("Novák Jan", kTime, copy); };
}

// The hidden temporary files among the entries of a folder.
std::set<std::string> Hidden(const std::set<std::string> &entries)
{
    std::set<std::string> hidden;
    for (const std::string &name : entries)
        if (name.starts_with('.'))
            hidden.insert(name);
    return hidden;
}

class InterruptedSaveTest : public test::TemporaryFolderTest
{
protected:
    // A temporary file as a save leaves it before it has claimed its final name, last
    // written a while ago.
    fs::path Temporary(const std::string &finalName, const std::string &bytes,
                       const std::string &random = "Ab12Cd")
    {
        const fs::path path = root / ("." + finalName + "." + random + ".tmp");
        WriteBytes(path, bytes);
        MakeOld(path, kAMinuteAgo);
        return path;
    }
    static void MakeOld(const fs::path &path, std::chrono::seconds age)
    {
        fs::last_write_time(path, fs::file_time_type::clock::now() - age);
    }
    void ClaimAtStart(const fs::path &dataDirectory)
    {
        ResultsStore store{sink, [] { return kTime; }, "/nowhere/"};
        store.SetDataDirectory(dataDirectory.string());
        store.ClaimInterruptedSaves();
    }

    testing::RecordingSink sink;
    const LogRecords records = test::MakeLog({{4, true, 1234}, {5, false, 987}});
};

// Where neither hard links nor renaming without replacing work, the name is claimed by an
// empty file that the finished file then replaces: nothing is ever written under the name.
TEST_F(InterruptedSaveTest, ClaimingByAnExclusiveFileNeverShowsAPartialFile)
{
    WriteBytes(root / kName, "someone else's");
    const int watch = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ASSERT_GE(watch, 0);
    ASSERT_GE(::inotify_add_watch(watch, root.c_str(), IN_MODIFY | IN_MOVED_TO | IN_CREATE), 0);

    const auto saved = WriteNewFile(root.string(), NamesOfNovakJan(), Block(records),
                                    ClaimMethod::ExclusiveCreate);

    ASSERT_EQ(saved, (root / kSecond).string());
    EXPECT_EQ(ReadBytes(root / kSecond), Block(records));
    EXPECT_EQ(ReadBytes(root / kName), "someone else's");
    EXPECT_EQ(Entries(root), (std::set<std::string>{kName, kSecond}));
    std::vector<std::string> written, arrived;
    alignas(inotify_event) char buffer[8192];
    for (ssize_t got; (got = ::read(watch, buffer, sizeof buffer)) > 0;) {
        for (char *at = buffer; at < buffer + got;) {
            const auto *event = reinterpret_cast<const inotify_event *>(at);
            const std::string name = event->len > 0 ? event->name : "";
            if ((event->mask & IN_MODIFY) && !name.starts_with('.'))
                written.push_back(name);
            if (event->mask & IN_MOVED_TO)
                arrived.push_back(name);
            at += sizeof(inotify_event) + event->len;
        }
    }
    ::close(watch);
    EXPECT_EQ(written, std::vector<std::string>{}) << "bytes written under a final name";
    EXPECT_EQ(arrived, std::vector<std::string>{kSecond}) << "the whole file moved in at once";
}

// A save killed after its file was complete but before it had a name leaves a temporary file
// that the next start finds by the name it carries and claims the usual way.
TEST_F(InterruptedSaveTest, ASaveKilledBeforeItClaimedItsNameIsClaimedAtTheNextStart)
{
    WriteBytes(root / kName, Block(LogRecords{}));
    const pid_t saver = ::fork();
    ASSERT_GE(saver, 0);
    if (saver == 0) {
        // Killed when it finds the first name taken: the bytes are written and synced then.
        const CandidateName name = [](int copy) {
            if (copy == 2)
                ::raise(SIGKILL);
            return ResultsFileName("Novák Jan", kTime, copy);
        };
        WriteNewFile(root.string(), name, Block(records));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(saver, &status, 0), saver);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    ASSERT_EQ(Hidden(Entries(root)).size(), 1u) << "the complete temporary file is left";
    MakeOld(root / *Hidden(Entries(root)).begin(), kAMinuteAgo);

    ClaimAtStart(root);

    EXPECT_EQ(Entries(root), (std::set<std::string>{kName, kSecond}));
    EXPECT_EQ(ReadBytes(root / kSecond), Block(records));
    EXPECT_EQ(ReadBytes(root / kName), Block(LogRecords{}));
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(InterruptedSaveTest, AtStartOnlyCompleteTemporariesAreClaimedAndOnlyOldIncompleteOnesGo)
{
    // Complete: claimed under the name it carries, or the next free one.
    Temporary(kName, Block(records));
    Temporary("Eva 2024_01_02 03_04.mem", Block(LogRecords{}));
    WriteBytes(root / "Eva 2024_01_02 03_04.mem", "taken");
    // Complete and already linked under its name (killed before it removed the temporary):
    // there is one file, not two.
    const fs::path linked = Temporary("Adam 2024_01_01 10_00.mem", Block(records));
    fs::create_hard_link(linked, root / "Adam 2024_01_01 10_00.mem");
    // Incomplete: removed when older than a day, kept while it may still be written.
    MakeOld(Temporary("Old 2024_01_01 10_00.mem", std::string(4096, '\1')), std::chrono::hours(25));
    MakeOld(Temporary("Empty 2024_01_01 10_00.mem", ""), std::chrono::hours(25));
    Temporary("Fresh 2024_01_01 10_00.mem", std::string(4096, '\1'));
    MakeOld(Temporary("Young 2024_01_01 10_00.mem", std::string(4096, '\1')),
            std::chrono::hours(23));
    // Complete but written less than a minute ago: a save may be about to name it.
    MakeOld(Temporary("Now 2024_01_01 10_00.mem", Block(records)), std::chrono::seconds(5));
    // Complete but held by the save that is writing it: not touched.
    const fs::path busy = Temporary("Busy 2024_01_01 10_00.mem", Block(records));
    const int held = ::open(busy.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    // Not a temporary of a results file, or not a regular file: never touched.
    std::set<std::string> untouched = {".notes.tmp", "Ivo 2024_01_01 10_00.mem.Ab12Cd.tmp",
                                       ".vysledky.csv.Ab12Cd.tmp"};
    for (const std::string &name : untouched) {
        WriteBytes(root / name, Block(records));
        MakeOld(root / name, std::chrono::hours(48));
    }
    WriteBytes(root / "outside.mem", Block(records));
    fs::create_symlink(root / "outside.mem", root / ".Link 2024_01_01 10_00.mem.Ab12Cd.tmp");
    fs::create_directory(root / ".Dir 2024_01_01 10_00.mem.Ab12Cd.tmp");
    untouched.insert(
        {"outside.mem", ".Link 2024_01_01 10_00.mem.Ab12Cd.tmp",
         ".Dir 2024_01_01 10_00.mem.Ab12Cd.tmp", ".Fresh 2024_01_01 10_00.mem.Ab12Cd.tmp",
         ".Young 2024_01_01 10_00.mem.Ab12Cd.tmp", ".Now 2024_01_01 10_00.mem.Ab12Cd.tmp",
         ".Busy 2024_01_01 10_00.mem.Ab12Cd.tmp"});

    ClaimAtStart(root);
    ::close(held);

    std::set<std::string> expected = untouched;
    expected.insert({kName, "Eva 2024_01_02 03_04.mem", "Eva (2) 2024_01_02 03_04.mem",
                     "Adam 2024_01_01 10_00.mem"});
    EXPECT_EQ(Entries(root), expected);
    EXPECT_EQ(ReadBytes(root / kName), Block(records));
    EXPECT_EQ(ReadBytes(root / "Eva (2) 2024_01_02 03_04.mem"), Block(LogRecords{}));
    EXPECT_EQ(ReadBytes(root / "Eva 2024_01_02 03_04.mem"), "taken");
    EXPECT_TRUE(sink.messages.empty());
}

// A save on another computer of a network share, whose lock this computer cannot see, holds
// its complete temporary file open and is about to name it. A copy starting meanwhile leaves a
// file written less than a minute ago alone; one that a save has left for longer (a computer
// that slept in the middle of a save) it names, and the save then counts as done: either way
// the test is kept once, and the save reports no failure.
TEST_F(InterruptedSaveTest, ASaveWhoseLockIsNotSeenKeepsItsTestOnceWhenACopyStartsMeanwhile)
{
    for (const bool stalled : {false, true}) {
        SCOPED_TRACE(stalled ? "stalled for a minute" : "under way");
        fs::remove_all(root);
        fs::create_directory(root);
        WriteBytes(root / kName, "someone else's");
        int toParent[2], toChild[2];
        ASSERT_EQ(::pipe(toParent), 0);
        ASSERT_EQ(::pipe(toChild), 0);
        const pid_t saver = ::fork();
        ASSERT_GE(saver, 0);
        if (saver == 0) {
            // Paused with the test written and synced, just before it claims the second name.
            bool paused = false;
            const CandidateName name = [&](int copy) {
                if (copy == 2 && !std::exchange(paused, true)) {
                    for (int fd = 3; fd < 1024; ++fd)
                        ::flock(fd, LOCK_UN); // the lock lives on the other computer only
                    char go = 0;
                    if (::write(toParent[1], "w", 1) != 1 || ::read(toChild[0], &go, 1) != 1)
                        ::_exit(3);
                }
                return ResultsFileName("Novák Jan", kTime, copy);
            };
            // Named by the other copy, the save may or may not know the name yet.
            const auto saved = WriteNewFile(root.string(), name, Block(records));
            ::_exit(saved && (saved->empty() || *saved == (root / kSecond).string()) ? 0 : 1);
        }
        char waiting = 0;
        ASSERT_EQ(::read(toParent[0], &waiting, 1), 1);
        const std::set<std::string> hidden = Hidden(Entries(root));
        ASSERT_EQ(hidden.size(), 1u);
        if (stalled)
            MakeOld(root / *hidden.begin(), kAMinuteAgo);

        ClaimAtStart(root);
        const std::set<std::string> afterClaim = Entries(root);
        ASSERT_EQ(::write(toChild[1], "g", 1), 1);
        int status = 0;
        ASSERT_EQ(::waitpid(saver, &status, 0), saver);
        for (const int fd : {toParent[0], toParent[1], toChild[0], toChild[1]})
            ::close(fd);

        const std::set<std::string> expectedAfterClaim =
            stalled ? std::set<std::string>{kName, kSecond}
                    : std::set<std::string>{kName, *hidden.begin()};
        EXPECT_EQ(afterClaim, expectedAfterClaim);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the save failed";
        EXPECT_EQ(Entries(root), (std::set<std::string>{kName, kSecond}));
        EXPECT_TRUE(ReadBytes(root / kSecond) == Block(records));
        EXPECT_EQ(ReadBytes(root / kName), "someone else's");
        EXPECT_TRUE(sink.messages.empty());
    }
}

// Two copies starting at once on one folder, where neither sees the other's locks: every
// interrupted save is named exactly once, those already named are not named again.
TEST_F(InterruptedSaveTest, TwoCopiesStartingAtOnceNameEveryInterruptedSaveOnce)
{
    const LocksLocalToEachComputer shareWithoutCommonLocks;
    constexpr int kPersons = 100, kSavesEach = 3;
    constexpr int kSaves = kPersons * kSavesEach; // record 0 of save n took n ms
    for (int person = 0; person < kPersons; ++person) {
        const std::string finalName = ResultsFileName("P" + std::to_string(person), kTime);
        for (int save = 0; save < kSavesEach; ++save) {
            const std::int64_t id = person * kSavesEach + save;
            const fs::path temporary = Temporary(finalName, Block(test::MakeLog({{4, true, id}})),
                                                 "Tmp" + std::to_string(100 + id));
            if (person % 5 == 0 && save == 0) // linked to its name, then killed
                fs::create_hard_link(temporary, root / finalName);
        }
    }

    int go[2];
    ASSERT_EQ(::pipe(go), 0);
    pid_t copies[2];
    for (pid_t &copy : copies) {
        copy = ::fork();
        ASSERT_GE(copy, 0);
        if (copy == 0) {
            char start = 0;
            ::close(go[1]);
            if (::read(go[0], &start, 1) != 0) // closed by the parent: both start together
                ::_exit(3);
            ClaimAtStart(root);
            ::_exit(sink.messages.empty() ? 0 : 1);
        }
    }
    ::close(go[0]);
    ::close(go[1]);
    for (const pid_t copy : copies) {
        int status = 0;
        ASSERT_EQ(::waitpid(copy, &status, 0), copy);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    std::map<std::int64_t, int> named;
    for (const std::string &name : Entries(root)) {
        ASSERT_FALSE(name.starts_with('.')) << name << " left over";
        const std::string bytes = ReadBytes(root / name);
        ASSERT_EQ(bytes.size(), kResultsFileBytes) << name;
        const LogRecords log = DecodeResults(std::span<const unsigned char, kResultsFileBytes>(
            reinterpret_cast<const unsigned char *>(bytes.data()), kResultsFileBytes));
        ++named[log[0].elapsedMs];
    }
    std::map<std::int64_t, int> notOnce; // save: results files holding it
    for (std::int64_t id = 0; id < kSaves; ++id)
        if (named[id] != 1)
            notOnce[id] = named[id];
    EXPECT_EQ(notOnce, (std::map<std::int64_t, int>{}));
    EXPECT_EQ(named.size(), std::size_t(kSaves));
}

// A backup that hard-links the folder (cp -al, rsync --link-dest) gives a temporary file a
// second link: it is named all the same, and the backup's link stays. Only a results file that
// is this very file makes it one already named.
TEST_F(InterruptedSaveTest, AHardLinkedTemporaryIsNamedAndItsBackupKept)
{
    fs::create_directory(root / "backup");
    const LogRecords other = test::MakeLog({{6, false, 5}});
    const fs::path backedUp = Temporary(kName, Block(records));
    fs::create_hard_link(backedUp, root / "backup" / backedUp.filename());
    WriteBytes(root / "Eva 2024_01_02 03_04.mem", Block(records)); // the same bytes, another file
    const fs::path alike = Temporary("Eva 2024_01_02 03_04.mem", Block(records));
    fs::create_hard_link(alike, root / "backup" / alike.filename());
    const fs::path named = Temporary("Adam 2024_01_01 10_00.mem", Block(other));
    fs::create_hard_link(named, root / "Adam 2024_01_01 10_00.mem");

    ClaimAtStart(root);

    EXPECT_EQ(Entries(root),
              (std::set<std::string>{"backup", kName, "Eva 2024_01_02 03_04.mem",
                                     "Eva (2) 2024_01_02 03_04.mem", "Adam 2024_01_01 10_00.mem"}));
    EXPECT_TRUE(ReadBytes(root / kName) == Block(records));
    EXPECT_TRUE(ReadBytes(root / "Eva (2) 2024_01_02 03_04.mem") == Block(records));
    EXPECT_TRUE(ReadBytes(root / "Adam 2024_01_01 10_00.mem") == Block(other));
    EXPECT_EQ(Entries(root / "backup"),
              (std::set<std::string>{backedUp.filename().string(), alike.filename().string()}));
    EXPECT_TRUE(ReadBytes(root / "backup" / backedUp.filename()) == Block(records));
    EXPECT_TRUE(sink.messages.empty());
}

} // namespace
} // namespace vorlant
