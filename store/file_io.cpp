#include "store/file_io.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <random>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlant {

namespace {

namespace fs = std::filesystem;

bool WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

constexpr std::size_t kMostNameBytes = NAME_MAX;
constexpr std::string_view kTemporaryEnd = ".tmp";
constexpr std::size_t kRandomCharacters = 6;
constexpr std::string_view kRandomAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// Carried by a temporary file whose final name is too long to carry.
constexpr std::string_view kAnonymous = "vorlant";

bool IsRandomCharacter(char c)
{
    return kRandomAlphabet.find(c) != std::string_view::npos;
}

// A new name ".<carried>.XXXXXX.tmp" for a temporary file, X chosen at random.
std::string RandomTemporaryName(std::string_view carried)
{
    static std::mt19937 random{std::random_device{}()};
    std::string name = "." + std::string(carried) + ".";
    if (name.size() + kRandomCharacters + kTemporaryEnd.size() > kMostNameBytes)
        name = "." + std::string(kAnonymous) + ".";
    for (std::size_t i = 0; i < kRandomCharacters; ++i)
        name += kRandomAlphabet[random() % kRandomAlphabet.size()];
    name += kTemporaryEnd;
    return name;
}

constexpr int kMostRandomNames = 100;

// Creates a fresh file ".<carried>.XXXXXX.tmp" in folder that no other writer can be using,
// locked until it is closed, with the permissions mode leaves after the umask; -1 on failure.
int CreateTemporaryFile(const fs::path &folder, std::string_view carried, std::string &created,
                        mode_t mode = 0666)
{
    for (int attempt = 0; attempt < kMostRandomNames; ++attempt) {
        created = (folder / RandomTemporaryName(carried)).string();
        const int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return -1;
        // The lock tells a starting program that this file is still being written. Only one
        // that looked at the new, empty file in this very moment can hold it: take another.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
            ::close(fd);
            ::unlink(created.c_str());
            continue;
        }
        return fd;
    }
    return -1;
}

// The renamed entry survives a power cut only once its folder is synced too. Some file
// systems cannot sync a folder; the data itself is already safe then, so that is no failure.
void SyncFolder(const fs::path &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

enum class Claim
{
    Claimed,     // the name now holds the bytes
    Taken,       // something has the name already
    Unsupported, // the file system cannot claim a name this way
    Failed,
};

bool MeansUnsupported(int error)
{
    return error == EPERM || error == ENOTSUP || error == EOPNOTSUPP || error == ENOSYS ||
           error == EINVAL;
}

// What a claim's failed call says; error keeps its errno.
Claim ClaimFailure(int &error)
{
    error = errno;
    if (error == EEXIST)
        return Claim::Taken;
    return MeansUnsupported(error) ? Claim::Unsupported : Claim::Failed;
}

Claim ClaimByLink(const std::string &temporary, const std::string &path, int &error)
{
    if (::link(temporary.c_str(), path.c_str()) != 0)
        return ClaimFailure(error);
    ::unlink(temporary.c_str());
    return Claim::Claimed;
}

Claim ClaimByRename(const std::string &temporary, const std::string &path, int &error)
{
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) != 0)
        return ClaimFailure(error);
    return Claim::Claimed;
}

// An empty file holds the name until the finished one replaces it in one step: a reader
// sees no file, an empty one or the whole one, never a part.
Claim ClaimByPlaceholder(const std::string &temporary, const std::string &path, int &error)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = errno;
        if (error == EEXIST)
            return Claim::Taken;
        // Some network file systems (sshfs) refuse a name another computer holds with EPERM or
        // EACCES: where a file stands, the name is taken all the same.
        struct stat existing
        {};
        return ::lstat(path.c_str(), &existing) == 0 ? Claim::Taken : Claim::Failed;
    }
    ::close(fd);
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        error = errno;
        ::unlink(path.c_str());
        return Claim::Failed;
    }
    return Claim::Claimed;
}

Claim ClaimName(ClaimMethod method, const std::string &temporary, const std::string &path,
                int &error)
{
    switch (method) {
    case ClaimMethod::HardLink:
        return ClaimByLink(temporary, path, error);
    case ClaimMethod::RenameNoReplace:
        return ClaimByRename(temporary, path, error);
    case ClaimMethod::ExclusiveCreate:
        break;
    }
    return ClaimByPlaceholder(temporary, path, error);
}

// ClaimNewName, with the errno of the call that failed in error.
std::optional<std::string> ClaimNewName(const std::string &folder, const std::string &temporary,
                                        const CandidateName &name, ClaimMethod first, int &error)
{
    ClaimMethod method = first;
    for (int copy = 1; copy <= kMostCandidates;) {
        const std::string path = JoinPath(folder, name(copy));
        switch (ClaimName(method, temporary, path, error)) {
        case Claim::Claimed:
            SyncFolder(folder.empty() ? fs::path(".") : fs::path(folder));
            return path;
        case Claim::Taken:
            ++copy;
            break;
        case Claim::Unsupported: // the same name again, the next way
            if (method == ClaimMethod::ExclusiveCreate)
                return std::nullopt;
            method = method == ClaimMethod::HardLink ? ClaimMethod::RenameNoReplace
                                                     : ClaimMethod::ExclusiveCreate;
            break;
        case Claim::Failed:
            return std::nullopt;
        }
    }
    error = EEXIST; // every candidate name is taken
    return std::nullopt;
}

// Whether the file at path holds exactly bytes.
bool Holds(const std::string &path, std::string_view bytes)
{
    std::error_code error;
    const std::optional<std::string> content = ReadFileStart(path, bytes.size() + 1, error);
    return content && *content == bytes;
}

// Where the bytes of a finished temporary file are, once its name is gone because a copy of
// the program that started meanwhile took the file over to name it: the full path of the
// candidate name it has by now, an empty path while it is still under that copy's own
// temporary name, nothing when they are nowhere in the folder (the file was removed, or the
// folder moved away). The bytes are asked for, not the file's links: on some network file
// systems an open file no longer answers once another computer has renamed it. They are
// always under one of those names; temporary names are looked at first, as the file moves
// from them to a candidate name and never back.
std::optional<std::string> WhereTakenOver(const std::string &temporary, const fs::path &folder,
                                          const CandidateName &name, std::string_view bytes)
{
    struct stat entry
    {};
    if (::lstat(temporary.c_str(), &entry) == 0 || errno != ENOENT)
        return std::nullopt;
    const std::string firstName = name(1);
    std::error_code error;
    for (const fs::directory_entry &other : fs::directory_iterator(folder, error)) {
        if (NameCarriedByTemporary(other.path().filename().string()) == firstName &&
            Holds(other.path().string(), bytes))
            return std::string();
    }
    for (int copy = 1; copy <= kMostCandidates; ++copy) {
        const std::string path = (folder / name(copy)).string();
        if (Holds(path, bytes))
            return path;
        if (::lstat(path.c_str(), &entry) != 0)
            break;
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> ClaimNewName(const std::string &folder, const std::string &temporary,
                                        const CandidateName &name, ClaimMethod first)
{
    int ignored = 0;
    return ClaimNewName(folder, temporary, name, first, ignored);
}

std::optional<std::string> WriteNewFile(const std::string &folder, const CandidateName &name,
                                        std::string_view bytes, ClaimMethod first,
                                        FileAccess access)
{
    std::error_code ignored;
    return WriteNewFile(folder, name, bytes, ignored, first, access);
}

std::optional<std::string> WriteNewFile(const std::string &folder, const CandidateName &name,
                                        std::string_view bytes, std::error_code &error,
                                        ClaimMethod first, FileAccess access)
{
    error.clear();
    const fs::path directory = folder.empty() ? fs::path(".") : fs::path(folder);
    // A save cut short before it has a name leaves its file under this name for the next
    // start to find.
    const std::string firstName = name(1);
    std::string temporary;
    const int fd = CreateTemporaryFile(directory, firstName, temporary,
                                       access == FileAccess::OwnerOnly ? 0600 : 0666);
    if (fd < 0) {
        error.assign(errno, std::generic_category());
        return std::nullopt;
    }
    std::optional<std::string> path;
    int failure = 0;
    errno = 0; // a write that stores nothing sets none
    if (WriteAll(fd, bytes) && ::fsync(fd) == 0) {
        path = ClaimNewName(
            folder, temporary, [&](int copy) { return copy == 1 ? firstName : name(copy); }, first,
            failure);
        // The copy that took it names it: this save has done its part, and must not keep the
        // test a second time.
        if (!path)
            path = WhereTakenOver(temporary, directory, name, bytes);
    } else {
        failure = errno != 0 ? errno : EIO;
    }
    if (!path) {
        error.assign(failure != 0 ? failure : EIO, std::generic_category());
        ::unlink(temporary.c_str());
    }
    // Closed, and so unlocked, only once the file has its name or is gone.
    ::close(fd);
    return path;
}

std::optional<std::string> TakeOverTemporary(const std::string &temporary)
{
    const fs::path path = temporary;
    const std::optional<std::string> carried = NameCarriedByTemporary(path.filename().string());
    if (!carried)
        return std::nullopt;
    for (int attempt = 0; attempt < kMostRandomNames; ++attempt) {
        const std::string own = (path.parent_path() / RandomTemporaryName(*carried)).string();
        if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, own.c_str(), RENAME_NOREPLACE) == 0)
            return own;
        if (errno == EEXIST)
            continue;
        if (!MeansUnsupported(errno))
            return std::nullopt; // ENOENT: another took it first
        // Without renaming that refuses to replace, a name nobody has is all but certain.
        struct stat existing
        {};
        if (::lstat(own.c_str(), &existing) == 0)
            continue;
        return ::rename(temporary.c_str(), own.c_str()) == 0 ? std::optional(own) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::string> NameCarriedByTemporary(std::string_view entryName)
{
    const std::size_t tail = 1 + kRandomCharacters + kTemporaryEnd.size(); // ".XXXXXX.tmp"
    if (entryName.size() <= 1 + tail || entryName.front() != '.' ||
        !entryName.ends_with(kTemporaryEnd))
        return std::nullopt;
    const std::string_view random =
        entryName.substr(entryName.size() - tail + 1, kRandomCharacters);
    if (entryName[entryName.size() - tail] != '.' ||
        !std::all_of(random.begin(), random.end(), IsRandomCharacter))
        return std::nullopt;
    return std::string(entryName.substr(1, entryName.size() - tail - 1));
}

std::optional<std::string> ReadWholeFile(const std::string &path, std::error_code &error)
{
    return ReadFileStart(path, std::string::npos, error);
}

std::optional<std::string> ReadFileStart(const std::string &path, std::size_t maxBytes,
                                         std::error_code &error)
{
    error.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error.assign(errno, std::generic_category());
        return std::nullopt;
    }
    std::string content;
    struct stat info
    {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? std::make_error_code(std::errc::is_a_directory)
                                      : std::make_error_code(std::errc::invalid_argument);
        ::close(fd);
        return std::nullopt;
    }
    char buffer[8192];
    while (content.size() < maxBytes) {
        const std::size_t wanted = std::min(sizeof buffer, maxBytes - content.size());
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error.assign(errno, std::generic_category());
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0)
            break;
        content.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return content;
}

bool ReplaceFileAtomically(const std::string &path, std::string_view bytes)
{
    std::error_code ignored;
    return ReplaceFileAtomically(path, bytes, ignored);
}

bool ReplaceFileAtomically(const std::string &path, std::string_view bytes, std::error_code &error)
{
    const auto fail = [&error](int code) {
        error.assign(code, std::generic_category());
        return false;
    };
    error.clear();
    std::error_code ignored;
    fs::path target = path;
    // Write through a link to where it points, as a plain write would.
    if (fs::is_symlink(fs::symlink_status(target, ignored))) {
        fs::path resolved = fs::weakly_canonical(target, ignored);
        if (!ignored)
            target = std::move(resolved);
    }
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");

    struct stat existing
    {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return fail(EISDIR);
    if (exists && ::access(target.c_str(), W_OK) != 0)
        return fail(errno);

    std::string temporary;
    const int fd = CreateTemporaryFile(folder, target.filename().string(), temporary);
    if (fd < 0)
        return fail(errno);
    if (exists)
        ::fchmod(fd, existing.st_mode & 07777); // a replaced file keeps its permissions
    int failure = 0;
    errno = 0; // a write that stores nothing sets none
    if (!WriteAll(fd, bytes) || ::fsync(fd) != 0)
        failure = errno != 0 ? errno : EIO;
    if (::close(fd) != 0 && failure == 0)
        failure = errno;
    if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0)
        failure = errno;
    if (failure != 0) {
        ::unlink(temporary.c_str());
        return fail(failure);
    }
    SyncFolder(folder);
    return true;
}

bool IsEmptyFile(const std::string &path)
{
    struct stat info
    {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0;
}

std::string JoinPath(std::string_view folder, std::string_view name)
{
    std::string joined(folder);
    if (!joined.empty() && joined.back() != '/')
        joined += '/';
    joined += name;
    return joined;
}

} // namespace vorlant
