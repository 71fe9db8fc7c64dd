// The settings reader takes any text; writing a value changes at most one line, reads back as
// that value and is idempotent. Input: a value, then the settings file's text.
#include "store/settings_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace vorlant;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

std::size_t Characters(std::string_view text)
{
    std::size_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

// What a reader should get back for a written value: no surrounding blanks, limited length.
std::string Expected(std::string_view value)
{
    const std::size_t first = value.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    value = value.substr(first, value.find_last_not_of(" \t") - first + 1);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if ((static_cast<unsigned char>(value[i]) & 0xC0) != 0x80 && characters++ == kIniValueLimit)
            return std::string(value.substr(0, i));
    }
    return std::string(value);
}

// Everything outside one stretch of a single line is the same in both texts.
bool ChangesAtMostOneLine(std::string_view before, std::string_view after)
{
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return before.substr(prefix, before.size() - prefix - suffix).find('\n') ==
           std::string_view::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string value = input.ConsumeRandomLengthString(3000);
    const std::string content = input.ConsumeRemainingBytesAsString();

    const auto found = FindIniValue(content, "Form5", "DE");
    Require(!found || Characters(*found) <= kIniValueLimit);

    const auto updated = SetIniValue(content, "Form5", "DE", value);
    const bool oneLine = value.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos;
    Require(updated.has_value() == oneLine);
    if (!updated)
        return 0;
    Require(FindIniValue(*updated, "Form5", "DE") == Expected(value));
    Require(ChangesAtMostOneLine(content, *updated));
    Require(SetIniValue(*updated, "Form5", "DE", value) == updated);
    return 0;
}
