#include "store/file_io.h"
#include "store/local_time.h"
#include "store/results_file.h"
#include "store/results_store.h"
#include "tests/store/store_test_support.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vorlant {
namespace {

namespace fs = std::filesystem;
using test::Block;

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
    // A temporary file as a save leaves it before it has claimed its final name.
    fs::path Temporary(const std::string &finalName, const std::string &bytes)
    {
        const fs::path path = root / ("." + finalName + ".Ab12Cd.tmp");
        WriteBytes(path, bytes);
        return path;
    }
    static void MakeOld(const fs::path &path, int hours)
    {
        const fs::file_time_type old = fs::file_time_type::clock::now() - std::chrono::hours(hours);
        fs::last_write_time(path, old);
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
    MakeOld(Temporary("Old 2024_01_01 10_00.mem", std::string(4096, '\1')), 25);
    MakeOld(Temporary("Empty 2024_01_01 10_00.mem", ""), 25);
    Temporary("Fresh 2024_01_01 10_00.mem", std::string(4096, '\1'));
    MakeOld(Temporary("Young 2024_01_01 10_00.mem", std::string(4096, '\1')), 23);
    // Complete but held by the save that is writing it: not touched.
    const fs::path busy = Temporary("Busy 2024_01_01 10_00.mem", Block(records));
    const int held = ::open(busy.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX | LOCK_NB), 0);
    // Not a temporary of a results file, or not a regular file: never touched.
    std::set<std::string> untouched = {".notes.tmp", "Ivo 2024_01_01 10_00.mem.Ab12Cd.tmp",
                                       ".vysledky.csv.Ab12Cd.tmp"};
    for (const std::string &name : untouched) {
        WriteBytes(root / name, Block(records));
        MakeOld(root / name, 48);
    }
    WriteBytes(root / "outside.mem", Block(records));
    fs::create_symlink(root / "outside.mem", root / ".Link 2024_01_01 10_00.mem.Ab12Cd.tmp");
    fs::create_directory(root / ".Dir 2024_01_01 10_00.mem.Ab12Cd.tmp");
    untouched.insert(
        {"outside.mem", ".Link 2024_01_01 10_00.mem.Ab12Cd.tmp",
         ".Dir 2024_01_01 10_00.mem.Ab12Cd.tmp", ".Fresh 2024_01_01 10_00.mem.Ab12Cd.tmp",
         ".Young 2024_01_01 10_00.mem.Ab12Cd.tmp", ".Busy 2024_01_01 10_00.mem.Ab12Cd.tmp"});

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

} // namespace
} // namespace vorlant
