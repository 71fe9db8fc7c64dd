#pragma once

#include "engine/random.h"

#include <array>
#include <cstdint>

namespace vorlant {

// A cell of the 4 x 4 board; (-1, -1) is an empty slot.
struct CellPosition
{
    std::int32_t row = -1;
    std::int32_t column = -1;

    friend bool operator==(const CellPosition &, const CellPosition &) = default;
};

inline constexpr int kBoardSide = 4;
inline constexpr int kCellCount = kBoardSide * kBoardSide;
inline constexpr int kSequenceSlots = 50;

// The board keeps its cells in arrays indexed column * 4 + row.
constexpr int CellIndex(CellPosition p)
{
    return p.column * kBoardSide + p.row;
}
constexpr CellPosition CellAt(int index)
{
    return {index % kBoardSide, index / kBoardSide};
}

// The cells of one round, in display order; slots from the round's length on are empty.
using Sequence = std::array<CellPosition, kSequenceSlots>;

// Empties all slots, then fills slots 0 .. length-1 so that no slot repeats its predecessor.
void GenerateSequence(Sequence &sequence, int length, RandomGenerator &random);

} // namespace vorlant
