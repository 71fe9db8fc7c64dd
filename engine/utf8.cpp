#include "engine/utf8.h"

namespace vorlant {

namespace {

bool IsContinuationByte(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::string Utf8Prefix(std::string_view text, std::size_t maxCodePoints)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Every byte that is not a continuation byte starts a character.
        if (!IsContinuationByte(text[i]) && characters++ == maxCodePoints)
            return std::string(text.substr(0, i));
    }
    return std::string(text);
}

} // namespace vorlant
