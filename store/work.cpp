#include "store/work.h"

#include <algorithm>

namespace vorlant {

namespace {

// Index just past the cut that starts at index: a whole run of spaces, or one other delimiter.
std::size_t SkipCut(std::string_view text, std::size_t index, char delimiter)
{
    if (delimiter != ' ')
        return index + 1;
    while (index < text.size() && text[index] == ' ')
        ++index;
    return index;
}

} // namespace

std::string TWork::NumberText(std::int32_t value, int width, bool zeroPadding) const
{
    std::string digits = std::to_string(value);
    const std::size_t field = width > 0 ? static_cast<std::size_t>(width) : 0;
    if (digits.size() >= field)
        return digits;
    const std::size_t fill = field - digits.size();
    if (!zeroPadding)
        return std::string(fill, ' ') + digits;
    // Zeros go between the sign and the digits, so -5 becomes -05 and not 0-5.
    const std::size_t signLength = value < 0 ? 1 : 0;
    digits.insert(signLength, fill, '0');
    return digits;
}

std::string TWork::NthWord(std::string_view text, int n, char delimiter) const
{
    if (n < 1 || WordCount(text, delimiter) < static_cast<std::size_t>(n))
        return {};
    std::size_t position = 1;
    for (int word = 1; word < n; ++word)
        position = NextWordStart(text, position, delimiter);
    return CopyToDelimiter(text, position, delimiter);
}

std::size_t TWork::WordCount(std::string_view text, char delimiter) const
{
    if (text.empty())
        return 0;
    std::size_t words = 1;
    std::size_t index = text.find(delimiter);
    while (index != std::string_view::npos) {
        ++words;
        index = text.find(delimiter, SkipCut(text, index, delimiter));
    }
    return words;
}

std::size_t TWork::NextWordStart(std::string_view text, std::size_t position, char delimiter) const
{
    const std::size_t start = std::max<std::size_t>(position, 1) - 1;
    const std::size_t cut = start < text.size() ? text.find(delimiter, start) : text.npos;
    if (cut == std::string_view::npos)
        return text.size() + 1;
    return SkipCut(text, cut, delimiter) + 1;
}

std::string TWork::CopyToDelimiter(std::string_view text, std::size_t position,
                                   char delimiter) const
{
    const std::size_t start = std::max<std::size_t>(position, 1) - 1;
    if (start >= text.size())
        return {};
    const std::string_view rest = text.substr(start);
    return std::string(rest.substr(0, rest.find(delimiter)));
}

} // namespace vorlant
