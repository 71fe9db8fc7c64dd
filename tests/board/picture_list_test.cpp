#include "board/picture_folder.h"
#include "board/picture_list.h"
#include "board_test_support.h"

#include <QDir>

#include <gtest/gtest.h>

#include <set>

namespace vorlant {
namespace {

using testing::ScopedCurrentDir;
using testing::WriteFile;

QStringList Names(const PictureList &list)
{
    QStringList names;
    for (int row = 0; row < list.rowCount(); ++row)
        names.append(list.fileName(row));
    return names;
}

int TakenRows(const PictureList &list)
{
    int taken = 0;
    for (int row = 0; row < list.rowCount(); ++row)
        taken += list.isTaken(row);
    return taken;
}

// A list over a picture folder with count files pic_0.jpg ...
PictureList ListOf(int count)
{
    for (int i = 0; i < count; ++i)
        WriteFile(QStringLiteral("obr_deti/pic_%1.jpg").arg(i), "jpeg");
    PictureList list;
    list.build(QStringLiteral("obr_deti"));
    return list;
}

TEST(PictureList, WithoutPicturesHoldsOneEmptyRowThatEveryPickReturns)
{
    ScopedCurrentDir dir;
    PictureList list;
    list.build(QStringLiteral("obr_deti")); // no folder
    EXPECT_EQ(Names(list), QStringList{QString()});
    WriteFile(QStringLiteral("obr_deti/notes.txt"), "no picture");
    list.build(QStringLiteral("obr_deti"));
    EXPECT_EQ(Names(list), QStringList{QString()});
    RandomGenerator random(1);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(list.pick(random), 0);
    EXPECT_FALSE(list.isTaken(0));
}

TEST(PictureList, ListsUnpackedAndHiddenPicturesButNoFoldersInDirectoryOrder)
{
    ScopedCurrentDir dir;
    testing::RecordingSink sink;
    PictureFolder().unpack(sink);
    WriteFile(QStringLiteral("obr_deti/.secret.jpg"), "hidden");
    WriteFile(QStringLiteral("obr_deti/CAMERA.JPG"), "the pattern ignores case");
    WriteFile(QStringLiteral("obr_deti/photo.png"), "other type");
    WriteFile(QStringLiteral("obr_deti/album.jpg/inner.jpg"), "a folder and what is below it");
    PictureList list;
    list.build(QStringLiteral("obr_deti"));
    const QStringList names = Names(list);
    EXPECT_EQ(names.size(), 44);
    EXPECT_TRUE(names.contains(QStringLiteral("DATA_42.jpg")));
    EXPECT_TRUE(names.contains(QStringLiteral(".secret.jpg")));
    EXPECT_TRUE(names.contains(QStringLiteral("CAMERA.JPG")));
    EXPECT_EQ(names, QDir(QStringLiteral("obr_deti"))
                         .entryList({QStringLiteral("*.jpg")}, QDir::Files | QDir::Hidden,
                                    QDir::Unsorted));
    EXPECT_EQ(TakenRows(list), 0);
}

TEST(PictureList, SixteenOrMorePicturesGiveSixteenDifferentMarkedPicks)
{
    for (int pictures : {16, 17, 42}) {
        ScopedCurrentDir dir;
        PictureList list = ListOf(pictures);
        RandomGenerator random(pictures);
        std::set<int> picked;
        for (int cell = 0; cell < 16; ++cell) {
            const int row = list.pick(random);
            EXPECT_TRUE(list.isTaken(row));
            picked.insert(row);
        }
        EXPECT_EQ(picked.size(), 16u) << pictures;
        EXPECT_EQ(TakenRows(list), 16) << pictures;
        EXPECT_GE(*picked.begin(), 0);
        EXPECT_LT(*picked.rbegin(), pictures);
    }
}

TEST(PictureList, FewerThanSixteenPicturesRepeatAndStayUnmarked)
{
    ScopedCurrentDir dir;
    PictureList list = ListOf(15);
    RandomGenerator random(7);
    std::set<int> picked;
    for (int cell = 0; cell < 16; ++cell)
        picked.insert(list.pick(random));
    EXPECT_LT(picked.size(), 16u); // pigeonhole: sixteen picks from fifteen rows
    EXPECT_LT(*picked.rbegin(), 15);
    EXPECT_EQ(TakenRows(list), 0);
}

TEST(PictureList, PicksAfterEveryRowIsTakenRepeatInsteadOfHanging)
{
    ScopedCurrentDir dir;
    PictureList list = ListOf(16);
    RandomGenerator random(3);
    for (int cell = 0; cell < 32; ++cell) // a second picture board on the same list
        EXPECT_LT(list.pick(random), 16);
    list.build(QStringLiteral("obr_deti")); // building again frees every row
    EXPECT_EQ(TakenRows(list), 0);
}

} // namespace
} // namespace vorlant
