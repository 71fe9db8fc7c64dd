#include "board/answer_keys.h"

#include <array>

namespace vorlant {
namespace {

// The scan code of the leftmost answer key of each board row; the row's other three keys
// follow it directly.
constexpr std::array<std::uint32_t, kBoardSide> kRowStarts = {
    10, // 1 2 3 4  (Czech: + ě š č)
    24, // Q W E R
    38, // A S D F
    52, // Z X C V  (Czech: Y X C V)
};

} // namespace

std::optional<CellPosition> CellForAnswerKey(std::uint32_t nativeScanCode)
{
    for (int row = 0; row < kBoardSide; ++row) {
        const std::uint32_t first = kRowStarts[std::size_t(row)];
        if (nativeScanCode >= first && nativeScanCode < first + kBoardSide)
            return CellPosition{row, std::int32_t(nativeScanCode - first)};
    }
    return std::nullopt;
}

} // namespace vorlant
