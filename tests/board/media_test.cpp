#include "board/media.h"
#include "board/picture_folder.h"
#include "board_test_support.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QResource>

#include <gtest/gtest.h>

namespace vorlant {
namespace {

using testing::ReadFile;
using testing::RecordingSink;
using testing::ScopedCurrentDir;
using testing::WriteFile;

QString Unpacked(int number)
{
    return QStringLiteral("obr_deti/DATA_%1.jpg").arg(number);
}

QByteArray Embedded(int number)
{
    return MediaBytes(PictureName(number).toStdString());
}

// The JPEG header fields the pictures must carry, as one comparable string.
std::string JpegHeaderFacts(const QByteArray &bytes)
{
    auto byte = [&](qsizetype at) { return at < bytes.size() ? int(quint8(bytes[at])) : 0; };
    auto word = [&](qsizetype at) { return byte(at) << 8 | byte(at + 1); };
    std::string facts;
    for (qsizetype at = 2; at + 4 <= bytes.size() && byte(at) == 0xFF && byte(at + 1) != 0xDA;
         at += 2 + word(at + 2)) {
        const qsizetype body = at + 4;
        if (byte(at + 1) == 0xE0 && bytes.mid(body, 5) == QByteArray("JFIF", 5))
            facts += "JFIF " + std::to_string(word(body + 5)) + " units " +
                     std::to_string(byte(body + 7)) + " density " + std::to_string(word(body + 8)) +
                     "x" + std::to_string(word(body + 10)) + ";";
        if (byte(at + 1) >= 0xC0 && byte(at + 1) <= 0xC3) {
            facts += " SOF" + std::to_string(byte(at + 1) - 0xC0) + " sampling";
            for (int c = 0; c < byte(body + 5); ++c)
                facts += " " + std::to_string(byte(body + 7 + 3 * c));
        }
    }
    return facts;
}

TEST(EmbeddedMedia, PicturesAre90By90Baseline444JfifAt300Dpi)
{
    for (int number = 1; number <= kPictureCount; ++number) {
        const QByteArray bytes = Embedded(number);
        // JFIF 1.01 (257), dots per inch (1), 300 x 300, baseline, three components 1x1 (17).
        EXPECT_EQ(JpegHeaderFacts(bytes),
                  "JFIF 257 units 1 density 300x300; SOF0 sampling 17 17 17")
            << number;
        EXPECT_EQ(QImage::fromData(bytes).size(), QSize(90, 90)) << number;
    }
}

TEST(EmbeddedMedia, BytesAreUsedInPlaceAndUnknownNamesHaveNone)
{
    for (const char *name : {"DATA_1", "DATA_42", "WAVE_UP", "WAVE_DOWN", "WAVE_ERR"}) {
        const QResource resource(MediaPath(name));
        EXPECT_EQ(MediaBytes(name).constData(), reinterpret_cast<const char *>(resource.data()))
            << name;
    }
    for (const char *name : {"DATA_0", "DATA_43", "WAVE_BEEP", ""})
        EXPECT_TRUE(MediaBytes(name).isEmpty()) << name;
    EXPECT_FALSE(QImage(QStringLiteral(":/icons/vorlant.png")).isNull());
}

TEST(UnpackPictures, WritesEveryPictureByteForByteOverOlderFiles)
{
    ScopedCurrentDir dir;
    WriteFile(Unpacked(3), QByteArray(100000, 'x'));
    WriteFile(QStringLiteral("obr_deti/mine.jpg"), "keep me");
    RecordingSink sink;
    PictureFolder folder;
    folder.unpack(sink);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_TRUE(sink.errors.empty());
    EXPECT_EQ(folder.writtenFiles().size(), kPictureCount);
    for (int number = 1; number <= kPictureCount; ++number) {
        EXPECT_EQ(ReadFile(Unpacked(number)), Embedded(number)) << number;
        EXPECT_EQ(QImage(Unpacked(number)).size(), QSize(90, 90)) << number;
    }
    EXPECT_EQ(ReadFile(QStringLiteral("obr_deti/mine.jpg")), "keep me");
}

TEST(UnpackPictures, PicturesWithZeroBytesAfterTheEndStillDecode)
{
    ScopedCurrentDir dir;
    for (int zeros : {1, 3, 64}) {
        const QByteArray bytes = Embedded(7) + QByteArray(zeros, '\0');
        WriteFile(QStringLiteral("padded.jpg"), bytes);
        EXPECT_EQ(QImage(QStringLiteral("padded.jpg")).size(), QSize(90, 90)) << zeros;
    }
}

TEST(UnpackPictures, AFileInPlaceOfTheFolderGivesTheFolderMessage)
{
    ScopedCurrentDir dir;
    WriteFile(QStringLiteral("obr_deti"), "not a folder");
    RecordingSink sink;
    PictureFolder folder;
    folder.unpack(sink);
    EXPECT_EQ(sink.messages, std::vector<std::string>{"Chyba adresáře obr_deti"});
    EXPECT_TRUE(sink.errors.empty());
    EXPECT_EQ(QDir::currentPath(), dir.path());
    EXPECT_EQ(QDir().entryList(QDir::Files), QStringList{QStringLiteral("obr_deti")});
    folder.remove();
    EXPECT_EQ(ReadFile(QStringLiteral("obr_deti")), "not a folder");
}

TEST(UnpackPictures, AFileThatCannotBeWrittenStopsWithOneError)
{
    ScopedCurrentDir dir;
    ASSERT_TRUE(QDir().mkpath(Unpacked(5))); // a folder where DATA_5.jpg belongs
    RecordingSink sink;
    PictureFolder folder;
    folder.unpack(sink);
    EXPECT_TRUE(sink.messages.empty());
    ASSERT_EQ(sink.errors.size(), 1u);
    EXPECT_FALSE(sink.errors[0].empty());
    for (int number = 1; number <= kPictureCount; ++number)
        EXPECT_EQ(QFileInfo(Unpacked(number)).isFile(), number < 5) << number;
    EXPECT_EQ(QDir::currentPath(), dir.path());
    folder.remove();
    EXPECT_FALSE(QFile::exists(Unpacked(1)));
    EXPECT_TRUE(QFileInfo(Unpacked(5)).isDir());
}

TEST(RemovePictures, DeletesOnlyTheUnpackedFilesThenTheEmptyFolder)
{
    ScopedCurrentDir dir;
    RecordingSink sink;
    PictureFolder kept, emptied;
    kept.unpack(sink);
    WriteFile(QStringLiteral("obr_deti/.drawing.jpg"), "a child's drawing");
    kept.remove();
    EXPECT_EQ(QDir(QStringLiteral("obr_deti")).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral(".drawing.jpg")});

    QFile::remove(QStringLiteral("obr_deti/.drawing.jpg"));
    emptied.unpack(sink);
    {
        ScopedCurrentDir elsewhere; // the folder is remembered by its full path
        emptied.remove();
    }
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("obr_deti")));
}

} // namespace
} // namespace vorlant
