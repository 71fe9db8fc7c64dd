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
// A save writes its file and names it within milliseconds. Where the locks of other computers
// cannot be seen (network shares that lock locally, or not at all), a file written this
// recently may still be about to get its name.
constexpr std::time_t kQuietSeconds = 60;

// Opens the temporary file itself, never through a link, for writing where possible: an
// exclusive lock on a network share needs a descriptor open for writing.
int OpenTemporary(const std::string &path)
{
    constexpr int kFlags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    const int fd = ::open(path.c_str(), O_RDWR | kFlags);
    if (fd >= 0 || (errno != EACCES && errno != EROFS && errno != EPERM))
        return fd;
    return ::open(path.c_str(), O_RDONLY | kFlags);
}

// Whether a save that can be seen still holds its lock on the open file. A file system
// without locks, or one that refuses this descriptor a lock, leaves the decision to the time.
bool LockedBySave(int fd)
{
    return ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

bool Quiet(const struct stat &info)
{
    return std::time(nullptr) - info.st_mtime >= kQuietSeconds;
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

// Whether a results file under one of the names a save tries is this very file: the save
// linked it to its name and was stopped before it removed the temporary one. The names are
// looked at in the order a save tries them, up to the first that is free. Another link alone
// (a backup's) proves nothing.
bool AlreadyNamed(const std::string &folder, const struct stat &file,
                  const CandidateName &candidates)
{
    if (file.st_nlink < 2)
        return false;
    for (int copy = 1; copy <= kMostCandidates; ++copy) {
        struct stat named
        {};
        if (::lstat(JoinPath(folder, candidates(copy)).c_str(), &named) != 0)
            return false;
        if (named.st_dev == file.st_dev && named.st_ino == file.st_ino)
            return true;
    }
    return false;
}

// A complete temporary file is first moved to a name of this copy's own, so that of several
// copies starting at once (on computers that do not see each other's locks) one alone names
// it, and a save that is still about to name it finds it gone (see WriteNewFile).
void Claim(const std::string &folder, const std::string &path, const CandidateName &candidates)
{
    const std::optional<std::string> own = TakeOverTemporary(path);
    if (!own)
        return; // another copy, or the save itself, was first
    struct stat file
    {};
    if (::lstat(own->c_str(), &file) != 0)
        return;
    if (AlreadyNamed(folder, file, candidates))
        ::unlink(own->c_str());
    else
        ClaimNewName(folder, *own, candidates);
}

void ClaimOrRemove(const std::string &folder, const std::string &path,
                   const CandidateName &candidates)
{
    const int fd = OpenTemporary(path);
    if (fd < 0)
        return;
    struct stat info
    {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && !LockedBySave(fd) && Quiet(info)) {
        if (info.st_size == static_cast<off_t>(kResultsFileBytes))
            Claim(folder, path, candidates);
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
