#include "engine/sequence.h"

#include <gtest/gtest.h>

namespace vorlant {
namespace {

TEST(GenerateSequence, NeighboursDifferAndSlotsPastTheLengthAreEmpty)
{
    RandomGenerator random(42);
    Sequence sequence;
    // Shorter lengths after longer ones would show stale slots.
    for (int length : {50, 0, 1, 2, 7, 50, 3}) {
        GenerateSequence(sequence, length, random);
        for (int i = 0; i < kSequenceSlots; ++i) {
            const CellPosition cell = sequence[i];
            if (i >= length) {
                EXPECT_EQ(cell, CellPosition{}) << "length " << length << " slot " << i;
                continue;
            }
            EXPECT_TRUE(cell.row >= 0 && cell.row < 4 && cell.column >= 0 && cell.column < 4);
            EXPECT_TRUE(i == 0 || cell != sequence[i - 1]) << "slot " << i;
        }
    }
}

} // namespace
} // namespace vorlant
