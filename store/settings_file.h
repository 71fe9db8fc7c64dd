#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace vorlant {

// Reading and writing one key of an INI-style text. Section and key names match without regard
// to ASCII case; a value is the rest of its line after "=" without surrounding blanks, and
// at most kIniValueLimit characters of it are taken. Lines starting with ";" or "#" are
// comments. The first matching key of any matching section counts.
inline constexpr std::size_t kIniValueLimit = 2047;

// The value of key in section, or nothing when the section or the key is missing.
std::optional<std::string> FindIniValue(std::string_view content, std::string_view section,
                                        std::string_view key);

// content with key in section set to value: the key's line is replaced, or a line is added
// at the end of the section, or the section is added at the end. Every other line stays byte
// for byte. Nothing when value cannot be held by one line (it holds CR, LF or NUL).
std::optional<std::string> SetIniValue(std::string_view content, std::string_view section,
                                       std::string_view key, std::string_view value);

// The value of key in section of the file at path; fallback when the file cannot be read or
// has no such key. The file is never created here.
std::string ReadIniString(const std::string &path, std::string_view section, std::string_view key,
                          const std::string &fallback);

// Sets key in section of the file at path, creating the file if missing; returns whether the
// file now holds the value. A failed write leaves the file as it was.
bool WriteIniString(const std::string &path, std::string_view section, std::string_view key,
                    std::string_view value);
// The same; when the file could not be read or written, error says why (a value that cannot
// be stored leaves it clear).
bool WriteIniString(const std::string &path, std::string_view section, std::string_view key,
                    std::string_view value, std::error_code &error);

} // namespace vorlant
