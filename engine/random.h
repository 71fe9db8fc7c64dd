#pragma once

#include <random>

namespace vorlant {

// The program's one pseudo-random generator: seeded once at start-up, used for the
// sequences and for picking the pictures of the picture board.
using RandomGenerator = std::mt19937;

// A uniform integer from lo to hi inclusive.
inline int UniformInt(RandomGenerator &random, int lo, int hi)
{
    return std::uniform_int_distribution<int>(lo, hi)(random);
}

} // namespace vorlant
