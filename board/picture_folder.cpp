#include "board/picture_folder.h"

#include "board/media.h"
#include "engine/message_sink.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlant {
namespace {

// How long a copy waits for another to finish unpacking or removing. Longer means the other is
// stuck (or the file system never grants the lock), and the window must answer all the same.
constexpr auto kLockPatience = std::chrono::seconds(2);
constexpr auto kLockRetry = std::chrono::milliseconds(20);

// An exclusive lock on a folder for as long as it lives, so that no other copy of the program
// unpacks or removes pictures meanwhile. Without a readable folder or file locks it locks
// nothing, and every copy goes on as if it were the only one. A lock not granted within
// kLockPatience is given up: the copy then does without the shared pictures.
class FolderLock
{
public:
    explicit FolderLock(const QString &folder)
        : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
        while (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR)
                return;
            if (std::chrono::steady_clock::now() >= deadline) {
                m_refused = true;
                return;
            }
            std::this_thread::sleep_for(kLockRetry);
        }
    }
    ~FolderLock()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FolderLock(const FolderLock &) = delete;
    FolderLock &operator=(const FolderLock &) = delete;

    // Another copy kept the folder locked for too long.
    bool refused() const { return m_refused; }

private:
    int m_fd;
    bool m_refused = false;
};

// Whether no other copy holds its shared lock on the picture folder. A file system without
// locks makes every copy the only one, which is how the program behaved before it shared.
bool OnlyUser(int folderFd)
{
    if (::flock(folderFd, LOCK_EX | LOCK_NB) == 0)
        return true;
    return errno != EWOULDBLOCK;
}

// Creates or replaces name in the folder with bytes; the error text on failure, else empty.
// No flush to the disk: the pictures live for one run and are written again at the next start.
std::string WritePicture(int folderFd, const QByteArray &name, const QByteArray &bytes,
                         bool &created)
{
    // Never through a link that someone put in the folder under a picture's name.
    const int fd = ::openat(folderFd, name.constData(),
                            O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    created = fd >= 0;
    if (fd < 0)
        return std::strerror(errno);
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t put = ::write(fd, data, std::size_t(left));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            const std::string error = put < 0 ? std::strerror(errno) : std::strerror(ENOSPC);
            ::close(fd);
            return error;
        }
        data += put;
        left -= put;
    }
    return ::close(fd) == 0 ? std::string() : std::strerror(errno);
}

} // namespace

PictureFolder::PictureFolder(QString parentFolder, uid_t owner)
    : m_parent(std::move(parentFolder)), m_owner(owner)
{}

PictureFolder::~PictureFolder()
{
    if (m_folderFd >= 0)
        ::close(m_folderFd);
}

void PictureFolder::unpack(MessageSink &messages)
{
    // A picture the program lacks would be written as an empty file and taken for a picture.
    if (const QString missing = FirstMissingPicture(); !missing.isEmpty()) {
        messages.Error({VORLANT_TRANSLATE_NOOP("Messages", "V programu chybí obrázek %1"),
                        {missing.toStdString()}});
        return;
    }
    // Paths are resolved against the parent instead of entering the folder, so the rest of
    // the program never sees the current folder change.
    const QString parent = m_parent.isEmpty() ? QDir::currentPath() : m_parent;
    bool usable = false;
    std::string writeError;
    {
        const FolderLock unpacking(parent);
        usable = !unpacking.refused() &&
                 openFolder(QDir(parent).absoluteFilePath(QString::fromLatin1(kName)));
        if (usable)
            writeError = writePictures();
    }
    // Reported only now that the parent is unlocked: while a box is open, another copy
    // starting or this one ending must not wait for it.
    if (!usable)
        messages.Message(VORLANT_TRANSLATE_NOOP("Messages", "Chyba adresáře obr_deti"));
    else if (!writeError.empty())
        messages.Error(writeError);
}

bool PictureFolder::openFolder(const QString &folder)
{
    const QByteArray name = QFile::encodeName(folder);
    ::mkdir(name.constData(), 0777); // an existing folder is fine
    // The folder itself, never one that a link of that name points to: the pictures would be
    // written into it, over what has their names, and removed from it at the end.
    const int fd = ::open(name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    // Another user's folder holds whatever that user put there.
    struct stat status = {};
    if (::fstat(fd, &status) != 0 || status.st_uid != m_owner) {
        ::close(fd);
        return false;
    }
    m_folderFd = fd;
    m_folder = folder;
    return true;
}

std::string PictureFolder::writePictures()
{
    // Another copy that runs has written every picture already, and may be showing them.
    const bool firstUser = OnlyUser(m_folderFd);
    // Cannot wait: exclusive locks on the folder are taken only under the parent's lock.
    ::flock(m_folderFd, LOCK_SH | LOCK_NB);
    for (int number = 1; number <= kPictureCount; ++number) {
        const QString name = PictureName(number);
        const QString fileName = name + QStringLiteral(".jpg");
        if (!firstUser) {
            m_unpacked.append(fileName);
            continue;
        }
        bool created = false;
        const std::string error = WritePicture(m_folderFd, QFile::encodeName(fileName),
                                               MediaBytes(name.toStdString()), created);
        if (created)
            m_unpacked.append(fileName);
        if (!error.empty())
            return error;
    }
    return {};
}

void PictureFolder::remove()
{
    if (m_folderFd < 0)
        return;
    {
        // A copy kept waiting too long cannot tell whether it is the last: the pictures stay
        // for the last copy that can.
        const FolderLock removing(QFileInfo(m_folder).path());
        if (!removing.refused() && OnlyUser(m_folderFd)) {
            for (const QString &name : std::as_const(m_unpacked))
                ::unlinkat(m_folderFd, QFile::encodeName(name).constData(), 0);
            // Stays when anything else is left in it.
            ::rmdir(QFile::encodeName(m_folder).constData());
        }
        // Closing gives up this copy's lock while the parent is still locked.
        ::close(m_folderFd);
    }
    m_folderFd = -1;
    m_unpacked.clear();
}

} // namespace vorlant
