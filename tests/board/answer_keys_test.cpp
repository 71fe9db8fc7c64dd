#include "board/answer_keys.h"

#include <gtest/gtest.h>

namespace vorlant {
namespace {

// The keys at the places of 1 2 3 4 / Q W E R / A S D F / Z X C V answer the cell at their own
// place; the keys around them, an evdev code without the XKB offset of 8 and no scan code at
// all answer nothing.
TEST(AnswerKeys, OnlyTheSixteenKeysAnswerEachTheCellAtItsPlace)
{
    EXPECT_EQ(CellForAnswerKey(10), (CellPosition{0, 0})); // 1
    EXPECT_EQ(CellForAnswerKey(27), (CellPosition{1, 3})); // R
    EXPECT_EQ(CellForAnswerKey(39), (CellPosition{2, 1})); // S
    EXPECT_EQ(CellForAnswerKey(55), (CellPosition{3, 3})); // V
    for (const std::uint32_t scanCode :
         {0u, 2u, 9u, 14u, 23u, 28u, 37u, 42u, 51u, 56u, 0x8000000Au})
        EXPECT_EQ(CellForAnswerKey(scanCode), std::nullopt) << "scan code " << scanCode;
}

} // namespace
} // namespace vorlant
