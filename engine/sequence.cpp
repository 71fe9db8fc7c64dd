#include "engine/sequence.h"

namespace vorlant {

void GenerateSequence(Sequence &sequence, int length, RandomGenerator &random)
{
    sequence.fill(CellPosition{});
    for (int i = 0; i < length && i < kSequenceSlots; ++i) {
        CellPosition drawn;
        do {
            drawn.row = UniformInt(random, 0, kBoardSide - 1);
            drawn.column = UniformInt(random, 0, kBoardSide - 1);
        } while (i > 0 && drawn == sequence[i - 1]);
        sequence[i] = drawn;
    }
}

} // namespace vorlant
