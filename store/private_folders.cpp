#include "store/private_folders.h"

#include <cerrno>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace vorlant {

bool MakePrivateFolder(const std::string &folder)
{
    namespace fs = std::filesystem;
    const fs::path path = fs::path(folder).lexically_normal();
    if (path.empty())
        return false;
    // Made from the top down, each one private: a folder made above ours holds it, too.
    fs::path made;
    for (const fs::path &part : path) {
        made /= part;
        if (part.empty() || part == "/")
            continue;
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    struct stat info
    {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    if (info.st_uid == ::geteuid() && (info.st_mode & 077) != 0)
        ::chmod(path.c_str(), info.st_mode & 07700);
    return true;
}

} // namespace vorlant
