#include "board/answer_keys.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace vorlant {
namespace {

// Only the keys at the places of 1 2 3 4 / Q W E R / A S D F / Z X C V answer, each the cell
// at its own place; every other scan code (the keys around them, the keypad, an evdev code
// without the XKB offset of 8, no scan code at all) answers nothing.
TEST(AnswerKeys, OnlyTheSixteenKeysAnswerEachTheCellAtItsPlace)
{
    // By board row; on the Czech QWERTZ layout the keys type "+ěšč" and "yxcv".
    const std::uint32_t keys[kBoardSide][kBoardSide] = {
        {10, 11, 12, 13}, {24, 25, 26, 27}, {38, 39, 40, 41}, {52, 53, 54, 55}};
    std::map<std::uint32_t, CellPosition> answers;
    for (int row = 0; row < kBoardSide; ++row)
        for (int column = 0; column < kBoardSide; ++column)
            answers[keys[row][column]] = {row, column};

    std::vector<std::uint32_t> scanCodes{0x8000000Au, 0xFFFFFFFFu};
    for (std::uint32_t scanCode = 0; scanCode < 512; ++scanCode)
        scanCodes.push_back(scanCode);
    for (const std::uint32_t scanCode : scanCodes) {
        const auto answer = answers.find(scanCode);
        const std::optional<CellPosition> cell = CellForAnswerKey(scanCode);
        ASSERT_EQ(cell.has_value(), answer != answers.end()) << "scan code " << scanCode;
        if (cell) {
            EXPECT_EQ(*cell, answer->second) << "scan code " << scanCode;
        }
    }
}

} // namespace
} // namespace vorlant
