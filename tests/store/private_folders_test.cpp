#include "store/private_folders.h"
#include "store/results_store.h"
#include "tests/store/store_test_support.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/stat.h>

namespace vorlant {
namespace {

namespace fs = std::filesystem;

mode_t ModeOf(const fs::path &path)
{
    struct stat info
    {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

// Sets the umask for the object's lifetime.
class ScopedUmask
{
public:
    explicit ScopedUmask(mode_t mask) : old_(::umask(mask)) {}
    ~ScopedUmask() { ::umask(old_); }

private:
    mode_t old_;
};

class PrivateFoldersTest : public test::TemporaryFolderTest
{
protected:
    ScopedUmask umask{022};
};

TEST_F(PrivateFoldersTest, TheProgramsOwnFoldersAreMadeForTheUserAloneAndClosedWhenOpen)
{
    fs::create_directory(root / "share"); // the user's, made before: stays as it is
    const fs::path own = root / "share" / "vorlant" / "data";
    ASSERT_TRUE(MakePrivateFolder(own.string() + "/"));
    EXPECT_EQ(ModeOf(root / "share"), 0755u);
    EXPECT_EQ(ModeOf(root / "share" / "vorlant"), 0700u);
    EXPECT_EQ(ModeOf(own), 0700u);

    fs::create_directory(root / "old");
    ASSERT_EQ(ModeOf(root / "old"), 0755u);
    EXPECT_TRUE(MakePrivateFolder((root / "old").string())) << "an older version's folder";
    EXPECT_EQ(ModeOf(root / "old"), 0700u);

    WriteBytes(root / "plain", "x");
    EXPECT_FALSE(MakePrivateFolder((root / "plain" / "vorlant").string()));
}

// Results saved into the program's own folders only the user may read; a folder the user
// chose, for a class to share, keeps its permissions and its files follow the umask.
TEST_F(PrivateFoldersTest, ResultsInTheProgramsOwnFoldersAreTheUsersAloneAndElsewhereFollowTheUmask)
{
    testing::RecordingSink sink;
    ResultsStore store{sink, [] { return LocalTime{2024, 3, 5, 9, 7}; }, root.string()};
    const fs::path own = root / "vorlant" / "data";
    fs::create_directory(root / "vorlant");
    store.SetPrivateDataDirectory(own.string() + "/");
    store.SetFallbackFolder((root / "vorlant" / "neulozene").string());
    const fs::path shared = root / "class";
    fs::create_directory(shared);
    ::chmod(shared.c_str(), 0775);

    store.SetDataDirectory(own.string());
    store.CreateDataDirectory();
    EXPECT_EQ(ModeOf(own), 0700u);
    ASSERT_TRUE(store.SaveResults(LogRecords{}, "Novák Jan"));
    EXPECT_EQ(ModeOf(own / store.SavedFileName()), 0600u);

    const ScopedUmask groupWrites(002);
    store.SetDataDirectory(shared.string());
    store.CreateDataDirectory();
    EXPECT_EQ(ModeOf(shared), 0775u);
    ASSERT_TRUE(store.SaveResults(LogRecords{}, "Novák Jan"));
    EXPECT_EQ(ModeOf(shared / store.SavedFileName()), 0664u);

    // A save into a folder that cannot be written goes to the folder of unsaved tests.
    store.SetDataDirectory((root / "missing" / "data").string());
    EXPECT_FALSE(store.SaveResults(LogRecords{}, "Novák Jan"));
    EXPECT_EQ(ModeOf(root / "vorlant" / "neulozene"), 0700u);
    EXPECT_EQ(ModeOf(root / "vorlant" / "neulozene" / store.SavedFileName()), 0600u);
    EXPECT_TRUE(store.KeepInFallbackFolder(LogRecords{}, "Eva"));
    EXPECT_EQ(ModeOf(root / "vorlant" / "neulozene" / "Eva 2024_03_05 09_07.mem"), 0600u);
}

} // namespace
} // namespace vorlant
