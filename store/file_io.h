#pragma once

#include <cstddef>
#include <functional>
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

// How a new file's final name is claimed. Each is atomic against other writers, also on other
// computers sharing the folder; the first that the file system supports is used.
enum class ClaimMethod
{
    HardLink,        // link the finished temporary file to the name, fails if the name exists
    RenameNoReplace, // renameat2 with RENAME_NOREPLACE, for file systems without hard links
    ExclusiveCreate, // create the name exclusively and write it, where neither works
};

// The name of the copy-th candidate for a new file, copy counting from 1.
using CandidateName = std::function<std::string(int copy)>;

// Writes bytes as a new file in folder under the first candidate name that nothing in the
// folder has yet, never replacing anything, even while other processes write there under the
// same names. The bytes go to a temporary file that is synced before its name is claimed, so
// no partial file is ever seen under a final name (except with ExclusiveCreate, whose file is
// removed again if writing it fails). first names the method tried first; the later ones
// stand in where the file system lacks it. Returns the full path written, or nothing, and
// then leaves nothing behind.
std::optional<std::string> WriteNewFile(const std::string &folder, const CandidateName &name,
                                        std::string_view bytes,
                                        ClaimMethod first = ClaimMethod::HardLink);

// path joined to name with exactly one "/" between them; an empty folder gives name alone.
std::string JoinPath(std::string_view folder, std::string_view name);

} // namespace vorlant
