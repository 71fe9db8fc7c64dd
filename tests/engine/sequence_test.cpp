#include "engine/sequence.h"

#include <gtest/gtest.h>

namespace vorlant {
namespace {

TEST(GenerateSequence, NeighboursDifferAndSlotsPastTheLengthAreEmpty)
{
    RandomGenerator random(42);
    Sequence sequence;
    for (int length : {50, 0, 1, 2, 7, 50, 3}) {
        GenerateSequence(sequence, length, random);
        for (int i = 0; i < kSequenceSlots; ++i) {
            if (i < length) {
                EXPECT_GE(sequence[i].row, 0);
                EXPECT_LE(sequence[i].row, 3);
                EXPECT_GE(sequence[i].column, 0);
                EXPECT_LE(sequence[i].column, 3);
                if (i > 0) {
                    EXPECT_NE(sequence[i], sequence[i - 1]) << "slot " << i;
                }
            } else {
                EXPECT_EQ(sequence[i], CellPosition{}) << "length " << length << " slot " << i;
            }
        }
    }
}

} // namespace
} // namespace vorlant
