#include "store/interrupted_saves.h"

#include "store/file_io.h"
#include "store/results_file.h"
#include "store/results_name.h"

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <optional>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlant {
namespace {

namespace fs = std::filesystem;

constexpr std::time_t kUnfinishedKeptSeconds = 24 * 60 * 60;
// Where files cannot be locked, a file untouched this long is no save under way.
constexpr std::time_t kQuietSeconds = 10 * 60;

// Whether no save is writing the open file any more.
bool NoLongerWritten(int fd, const struct stat &info)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    return errno != EWOULDBLOCK && std::time(nullptr) - info.st_mtime > kQuietSeconds;
}

// The candidate names of a results file first named carried: its copies as a save names them.
std::optional<CandidateName> CandidatesFor(const std::string &carried)
{
    ResultsNameParts parts = ParseResultsFileName(carried);
    if (!parts.time)
        return std::nullopt;
    return [carried, parts = std::move(parts)](int copy) {
        return copy == 1 ? carried : ResultsFileName(parts.person, *parts.time, copy);
    };
}

void ClaimOrRemove(const std::string &folder, const std::string &path,
                   const CandidateName &candidates)
{
    // Never through a link: the temporary file must be the folder's own.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info
    {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && NoLongerWritten(fd, info)) {
        if (info.st_nlink > 1) // linked to its name already, then interrupted
            ::unlink(path.c_str());
        else if (info.st_size == static_cast<off_t>(kResultsFileBytes))
            ClaimNewName(folder, path, candidates);
        else if (std::time(nullptr) - info.st_mtime > kUnfinishedKeptSeconds)
            ::unlink(path.c_str());
    }
    ::close(fd); // the lock goes with it
}

} // namespace

void ClaimInterruptedSaves(const std::string &folder)
{
    std::error_code error;
    const fs::path directory = folder.empty() ? fs::path(".") : fs::path(folder);
    for (const fs::directory_entry &entry : fs::directory_iterator(directory, error)) {
        const std::string name = entry.path().filename().string();
        const std::optional<std::string> carried = NameCarriedByTemporary(name);
        if (!carried || !carried->ends_with(".mem"))
            continue;
        if (const std::optional<CandidateName> candidates = CandidatesFor(*carried))
            ClaimOrRemove(folder, JoinPath(folder, name), *candidates);
    }
}

} // namespace vorlant
