#include "board/answer_keys.h"

#include <gtest/gtest.h>

#include <set>

namespace vorlant {
namespace {

struct KeyCase
{
    const char *key; // as a US layout names it / as the Czech QWERTZ layout types it
    std::uint32_t scanCode;
    std::optional<CellPosition> cell;
};

const KeyCase kKeys[] = {
    {"1 / +", 10, CellPosition{0, 0}},
    {"2 / ě", 11, CellPosition{0, 1}},
    {"3 / š", 12, CellPosition{0, 2}},
    {"4 / č", 13, CellPosition{0, 3}},
    {"Q", 24, CellPosition{1, 0}},
    {"W", 25, CellPosition{1, 1}},
    {"E", 26, CellPosition{1, 2}},
    {"R", 27, CellPosition{1, 3}},
    {"A", 38, CellPosition{2, 0}},
    {"S", 39, CellPosition{2, 1}},
    {"D", 40, CellPosition{2, 2}},
    {"F", 41, CellPosition{2, 3}},
    {"Z / Y", 52, CellPosition{3, 0}},
    {"X", 53, CellPosition{3, 1}},
    {"C", 54, CellPosition{3, 2}},
    {"V", 55, CellPosition{3, 3}},
    // The keys around the answer keys answer nothing.
    {"no scan code (offscreen, synthetic events)", 0, std::nullopt},
    {"Escape", 9, std::nullopt},
    {"5 / ř", 14, std::nullopt},
    {"Tab", 23, std::nullopt},
    {"T", 28, std::nullopt},
    {"Caps Lock", 66, std::nullopt},
    {"G", 42, std::nullopt},
    {"left Shift", 50, std::nullopt},
    {"< > left of Z on ISO keyboards", 94, std::nullopt},
    {"B", 56, std::nullopt},
    {"keypad 7", 79, std::nullopt},
    {"keypad 1", 87, std::nullopt},
    {"evdev code of 1 without the XKB offset of 8", 2, std::nullopt},
    {"far beyond", 0xFFFFFFFFu, std::nullopt},
};

TEST(AnswerKeys, EachKeyAnswersTheCellAtItsPlaceAndOtherKeysNothing)
{
    for (const KeyCase &c : kKeys) {
        const std::optional<CellPosition> cell = CellForAnswerKey(c.scanCode);
        ASSERT_EQ(cell.has_value(), c.cell.has_value()) << c.key;
        if (cell) {
            EXPECT_EQ(*cell, *c.cell)
                << c.key << " gave (" << cell->row << ", " << cell->column << ")";
        }
    }
}

TEST(AnswerKeys, EveryCellHasExactlyOneKey)
{
    std::set<int> answered;
    for (std::uint32_t scanCode = 0; scanCode < 256; ++scanCode) {
        if (const auto cell = CellForAnswerKey(scanCode)) {
            EXPECT_TRUE(answered.insert(CellIndex(*cell)).second) << "scan code " << scanCode;
        }
    }
    EXPECT_EQ(answered.size(), std::size_t(kCellCount));
}

} // namespace
} // namespace vorlant
