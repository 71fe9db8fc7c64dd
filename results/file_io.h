#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace vorlant {

// The whole content of the regular file at path; on failure nothing, and error says why
// (std::errc::no_such_file_or_directory when it does not exist). Never waits on a pipe.
std::optional<std::string> ReadWholeFile(const std::string &path, std::error_code &error);

// At most the first maxBytes bytes of the regular file at path, fewer when it is shorter; on
// failure nothing, and error says why. Never waits on a pipe.
std::optional<std::string> ReadFileStart(const std::string &path, std::size_t maxBytes,
                                         std::error_code &error);

// Makes path hold exactly bytes, or leaves it as it was: the bytes go to a temporary file
// beside it (named ".vorlant-*.tmp"), which is synced and then renamed over path. A target
// that exists but may not be written is left alone. Returns whether path now holds bytes;
// on failure the temporary file is gone, and error (when given) says why.
bool ReplaceFileAtomically(const std::string &path, std::string_view bytes);
bool ReplaceFileAtomically(const std::string &path, std::string_view bytes, std::error_code &error);

// path joined to name with exactly one "/" between them; an empty folder gives name alone.
std::string JoinPath(std::string_view folder, std::string_view name);

} // namespace vorlant
