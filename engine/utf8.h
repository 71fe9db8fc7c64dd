#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vorlant {

// The first maxCodePoints characters of UTF-8 text, never cutting a character in two.
std::string Utf8Prefix(std::string_view text, std::size_t maxCodePoints);

} // namespace vorlant
