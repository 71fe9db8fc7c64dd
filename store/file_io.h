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
// beside it (see NameCarriedByTemporary), which is synced and then renamed over path. A target
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
    ExclusiveCreate, // create an empty file exclusively, then rename the finished one over it
};

// Who may read and write a new file: as the umask lets everyone, or its owner alone.
enum class FileAccess
{
    AsUmask,
    OwnerOnly,
};

// The name of the copy-th candidate for a new file, copy counting from 1.
using CandidateName = std::function<std::string(int copy)>;
// How many candidate names a save tries before it gives up.
inline constexpr int kMostCandidates = 10000;

// Writes bytes as a new file in folder under the first candidate name that nothing in the
// folder has yet, never replacing anything, even while other processes write there under the
// same names. The bytes go to a temporary file that carries the first candidate's name and is
// synced and then claims its name, so a reader sees no file, an empty one (ExclusiveCreate's
// claim) or the whole file under a final name. first names the method tried first; the later
// ones stand in where the file system lacks it. Returns the full path written, or nothing,
// and then leaves nothing behind; a process killed before the claim leaves the temporary
// file, locked with flock while it was written. A copy of the program starting meanwhile may
// take the finished file over to name it (see TakeOverTemporary): then the path it has by now,
// or an empty path while that copy has yet to name it.
std::optional<std::string> WriteNewFile(const std::string &folder, const CandidateName &name,
                                        std::string_view bytes,
                                        ClaimMethod first = ClaimMethod::HardLink,
                                        FileAccess access = FileAccess::AsUmask);
// The same; on failure error says why.
std::optional<std::string> WriteNewFile(const std::string &folder, const CandidateName &name,
                                        std::string_view bytes, std::error_code &error,
                                        ClaimMethod first = ClaimMethod::HardLink,
                                        FileAccess access = FileAccess::AsUmask);

// Gives the finished file temporary (in folder) the first free candidate name, as WriteNewFile
// does. Returns the full path, or nothing, and then temporary is where it was (unless another
// process took it away meanwhile).
std::optional<std::string> ClaimNewName(const std::string &folder, const std::string &temporary,
                                        const CandidateName &name,
                                        ClaimMethod first = ClaimMethod::HardLink);

// Moves the temporary file at path temporary to a fresh temporary name of its folder that
// carries the same final name, so that one process alone goes on with it: where several try
// at once, on this computer or on others sharing the folder, one rename wins and the others
// get nothing. Returns the new path.
std::optional<std::string> TakeOverTemporary(const std::string &temporary);

// A temporary file of this store is named ".<final name>.XXXXXX.tmp", X being letters and
// digits, or ".vorlant.XXXXXX.tmp" when the final name is too long to carry. The final name
// that entryName carries, or nothing when it is not such a name.
std::optional<std::string> NameCarriedByTemporary(std::string_view entryName);

// Whether path is a regular file of 0 bytes.
bool IsEmptyFile(const std::string &path);

// path joined to name with exactly one "/" between them; an empty folder gives name alone.
std::string JoinPath(std::string_view folder, std::string_view name);

} // namespace vorlant
