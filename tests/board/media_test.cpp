#include "board/media.h"
#include "board/picture_folder.h"
#include "board_test_support.h"
#include "tests/support/recording_sink.h"

#include "board/picture_cell.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

// Qt's resource macros must run outside any namespace.
static void WithdrawEmbeddedMedia()
{
    Q_CLEANUP_RESOURCE(vorlant_media);
}

static void RestoreEmbeddedMedia()
{
    Q_INIT_RESOURCE(vorlant_media);
}

namespace vorlant {
namespace {

using namespace testing;

QString Unpacked(int number)
{
    return QStringLiteral("obr_deti/DATA_%1.jpg").arg(number);
}

TEST(PictureFolder, UnpacksByteForByteOverOlderFilesAndRemovesOnlyWhatItWrote)
{
    ScopedCurrentDir dir;
    WriteFile(Unpacked(3), QByteArray(100000, 'x'));
    WriteFile(QStringLiteral("obr_deti/.drawing.jpg"), "a child's drawing");
    RecordingSink sink;
    PictureFolder folder;
    folder.unpack(sink);
    EXPECT_TRUE(sink.messages.empty() && sink.errors.empty());
    for (int number = 1; number <= kPictureCount; ++number)
        EXPECT_EQ(ReadFile(Unpacked(number)), MediaBytes(PictureName(number).toStdString()));
    folder.remove();
    EXPECT_EQ(QDir(QStringLiteral("obr_deti")).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral(".drawing.jpg")});
    QFile::remove(QStringLiteral("obr_deti/.drawing.jpg"));
    PictureFolder emptied;
    emptied.unpack(sink);
    emptied.remove();
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("obr_deti")));
}

// A file in place of the folder gives the folder message; a picture that cannot be written
// gives one error and stops. Either way the current folder stays and the obstacle survives.
TEST(PictureFolder, UnpackFailuresAreReportedOnceAndStop)
{
    for (const QString &obstacle : {QStringLiteral("obr_deti"), Unpacked(5) + "/inside"}) {
        ScopedCurrentDir dir;
        WriteFile(obstacle, "in the way");
        const bool noFolder = obstacle == QStringLiteral("obr_deti");
        RecordingSink sink;
        PictureFolder folder;
        folder.unpack(sink);
        EXPECT_EQ(sink.messages, std::vector<std::string>(noFolder, "Chyba adresáře obr_deti"));
        EXPECT_EQ(sink.errors.size(), std::size_t(!noFolder));
        for (int number = 1; number <= kPictureCount; ++number)
            EXPECT_EQ(QFileInfo(Unpacked(number)).isFile(), !noFolder && number < 5) << number;
        EXPECT_EQ(QDir::currentPath(), dir.path());
        folder.remove();
        EXPECT_EQ(ReadFile(obstacle), "in the way");
    }
}

// A program built without its pictures must say so, not leave empty picture files behind.
TEST(PictureFolder, AMissingEmbeddedPictureIsReportedAndNothingIsWritten)
{
    ScopedCurrentDir dir;
    RecordingSink sink;
    PictureFolder folder;
    WithdrawEmbeddedMedia();
    folder.unpack(sink);
    RestoreEmbeddedMedia();
    EXPECT_EQ(sink.errors, std::vector<std::string>{"V programu chybí obrázek DATA_1"});
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_TRUE(QDir(QStringLiteral("obr_deti")).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_FALSE(MediaBytes("DATA_1").isEmpty()) << "the media are back for the other tests";
    folder.remove();
}

// Two copies of the program on one account share the picture folder: the first to end must
// not take the pictures from the other, which still shows them; the last one removes them.
TEST(PictureFolder, PicturesStayUntilTheLastCopyThatUsesThemEnds)
{
    ScopedCurrentDir dir;
    RecordingSink sink;
    PictureFolder first;
    first.unpack(sink);
    PictureFolder second;
    second.unpack(sink);
    EXPECT_TRUE(sink.messages.empty() && sink.errors.empty());

    first.remove();
    for (int number = 1; number <= kPictureCount; ++number)
        EXPECT_EQ(ReadFile(Unpacked(number)), MediaBytes(PictureName(number).toStdString()))
            << number;

    // A copy that starts while another runs leaves its pictures be, and ends as the last.
    PictureFolder third;
    third.unpack(sink);
    second.remove();
    EXPECT_EQ(QDir(QStringLiteral("obr_deti")).entryList(QDir::Files).size(), kPictureCount);
    third.remove();
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("obr_deti")));

    // A copy that ended without removing (it crashed) holds the folder no more.
    {
        PictureFolder crashed;
        crashed.unpack(sink);
    }
    PictureFolder next;
    next.unpack(sink);
    next.remove();
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("obr_deti")));
}

// Another copy stuck while it holds the folder's parent (or a file system that never grants
// the lock) must not freeze this one: it goes on without the shared pictures.
TEST(PictureFolder, ALockNotGrantedWithinItsTimeIsGivenUp)
{
    ScopedCurrentDir dir;
    RecordingSink sink;
    PictureFolder running;
    running.unpack(sink);
    ASSERT_TRUE(sink.messages.empty() && sink.errors.empty());

    const int parent = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(::flock(parent, LOCK_EX), 0);
    PictureFolder late;
    late.unpack(sink);
    EXPECT_EQ(sink.messages, std::vector<std::string>{"Chyba adresáře obr_deti"});
    EXPECT_TRUE(sink.errors.empty());
    EXPECT_TRUE(late.path().isEmpty()) << "no pictures are listed from it";
    // Unable to tell whether it is the last user, a copy leaves the pictures in place.
    running.remove();
    EXPECT_EQ(QDir(QStringLiteral("obr_deti")).entryList(QDir::Files).size(), kPictureCount);
    ::close(parent);
    late.remove();
    EXPECT_EQ(QDir(QStringLiteral("obr_deti")).entryList(QDir::Files).size(), kPictureCount);
}

// Someone who can write into the picture folder must not make the program write or read
// another file through a link placed under a picture's name.
TEST(PictureFolder, PicturesAreNeitherWrittenNorReadThroughALink)
{
    ScopedCurrentDir dir;
    WriteFile(QStringLiteral("letter.txt"), "not to be overwritten");
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("obr_deti")));
    ASSERT_TRUE(QFile::link(QStringLiteral("../letter.txt"), Unpacked(3)));
    RecordingSink sink;
    PictureFolder folder;
    folder.unpack(sink);
    EXPECT_EQ(ReadFile(QStringLiteral("letter.txt")), "not to be overwritten");
    EXPECT_EQ(sink.errors.size(), 1u);

    ASSERT_TRUE(QFile::copy(Unpacked(1), QStringLiteral("picture.jpg")));
    ASSERT_TRUE(QFile::link(QStringLiteral("../picture.jpg"), QStringLiteral("obr_deti/link.jpg")));
    EXPECT_TRUE(PictureCell(Unpacked(1), nullptr).hasPicture());
    EXPECT_FALSE(PictureCell(QStringLiteral("obr_deti/link.jpg"), nullptr).hasPicture());
    folder.remove();
}

// A picture folder that another user owns could hold anything that user chose to put there.
TEST(PictureFolder, AFolderOwnedByAnotherUserIsNotUsed)
{
    ScopedCurrentDir dir;
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("obr_deti")));
    RecordingSink sink;
    PictureFolder folder({}, ::geteuid() + 1);
    folder.unpack(sink);
    EXPECT_EQ(sink.messages, std::vector<std::string>{"Chyba adresáře obr_deti"});
    EXPECT_TRUE(sink.errors.empty());
    EXPECT_TRUE(folder.path().isEmpty());
    EXPECT_TRUE(QDir(QStringLiteral("obr_deti")).entryList(QDir::Files).isEmpty());
    folder.remove();
    EXPECT_TRUE(QFileInfo(QStringLiteral("obr_deti")).isDir());
}

} // namespace
} // namespace vorlant
