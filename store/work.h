#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vorlant {

// Text utilities of the results store: zero-padded numbers for file names and the words of a
// text for the archive's name filter. Stateless; use the shared instance `Work`.
// Positions count from 1 and are byte positions; texts are UTF-8, delimiters ASCII characters,
// which never occur inside a multi-byte sequence, so words are always whole characters.
class TWork
{
public:
    // Decimal text of value, right-aligned in width characters (0 = no padding), never cut.
    // With zeroPadding the fill is zeros, placed after a minus sign.
    std::string NumberText(std::int32_t value, int width, bool zeroPadding) const;

    // The n-th word (from 1) of text cut at delimiter; a run of spaces is one cut when the
    // delimiter is a space. Empty when there is no such word.
    std::string NthWord(std::string_view text, int n, char delimiter) const;

    // Number of words of text; an empty text has none.
    std::size_t WordCount(std::string_view text, char delimiter) const;

    // Position at which the word after the one at position begins; text.size() + 1 when no
    // word follows.
    std::size_t NextWordStart(std::string_view text, std::size_t position, char delimiter) const;

    // The characters from position up to, not including, the next delimiter or the end.
    std::string CopyToDelimiter(std::string_view text, std::size_t position, char delimiter) const;
};

// The one instance the program shares; it holds no state, so it exists from the start.
inline constexpr TWork Work{};

} // namespace vorlant
