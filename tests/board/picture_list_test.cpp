#include "board/picture_list.h"
#include "board_test_support.h"

#include <gtest/gtest.h>

#include <set>

namespace vorlant {

// Folders and other files beside the pictures are left out; hidden pictures count. Sixteen or
// more pictures give sixteen different picks, each marked; fewer give repeats and no marks.
// Picks past the sixteenth repeat rather than hang.
TEST(PictureList, ListsPicturesOnlyAndPicksSixteenDifferentOnesFromSixteenOn)
{
    for (int pictures : {42, 16, 15, 0}) {
        testing::ScopedCurrentDir dir;
        testing::WriteFile(QStringLiteral("obr_deti/album.jpg/inner.jpg"), "a subfolder");
        testing::WriteFile(QStringLiteral("obr_deti/notes.txt"), "no picture");
        QStringList names, listed;
        for (int i = 0; i < pictures; ++i) {
            names.append(i ? QStringLiteral("pic_%1.jpg").arg(i) : QStringLiteral(".hidden.jpg"));
            testing::WriteFile(QStringLiteral("obr_deti/") + names.last(), "jpeg");
        }
        PictureList list;
        list.build(QStringLiteral("obr_deti"));
        for (int row = 0; row < list.rowCount(); ++row)
            listed.append(list.fileName(row));
        names.sort();
        listed.sort();
        EXPECT_EQ(listed, pictures ? names : QStringList{QString()}); // never empty
        RandomGenerator random(pictures);
        std::set<int> picked;
        for (int cell = 0; cell < 16; ++cell) {
            const int row = list.pick(random);
            EXPECT_EQ(list.isTaken(row), pictures >= 16) << pictures;
            picked.insert(row);
        }
        EXPECT_EQ(picked.size() == 16, pictures >= 16) << pictures;
        for (int cell = 0; cell < 16; ++cell)
            EXPECT_LT(list.pick(random), list.rowCount());
    }
}

} // namespace vorlant
