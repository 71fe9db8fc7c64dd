#include "results/trash_folder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStorageInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vorlant {
namespace {

// folder, made for its user alone when missing; empty when it is not a folder then.
QString MadeTrash(const QString &folder)
{
    const QByteArray path = QFile::encodeName(folder);
    ::mkdir(path.constData(), 0700);
    struct stat info
    {};
    return ::lstat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode) ? folder : QString();
}

// The device's own trash of the user, when its top folder lets one be made.
QString TopFolderTrash(const QString &top)
{
    const QString user = QString::number(::getuid());
    const QString shared = top + QStringLiteral("/.Trash");
    struct stat info
    {};
    // Only an administrator's shared trash, sticky and no link, is used.
    if (::lstat(QFile::encodeName(shared).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
        (info.st_mode & S_ISVTX) != 0) {
        if (QString trash = MadeTrash(shared + u'/' + user); !trash.isEmpty())
            return trash;
    }
    return MadeTrash(top + QStringLiteral("/.Trash-") + user);
}

bool OnOneDevice(const QString &a, const QString &b)
{
    struct stat first
    {
    }, second{};
    return ::stat(QFile::encodeName(a).constData(), &first) == 0 &&
           ::stat(QFile::encodeName(b).constData(), &second) == 0 && first.st_dev == second.st_dev;
}

} // namespace

QString TrashFolderFor(const QString &folder)
{
    const QString absolute = QFileInfo(folder).absoluteFilePath();
    const QStorageInfo storage(absolute);
    QString trash;
    if (storage != QStorageInfo(QDir::home()))
        trash = TopFolderTrash(storage.rootPath());
    if (trash.isEmpty()) {
        const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        QDir().mkpath(data);
        trash = MadeTrash(QDir(data).filePath(QStringLiteral("Trash")));
    }
    // A trash on another device would take the file only by copying it, which moveToTrash
    // does not do.
    return !trash.isEmpty() && OnOneDevice(trash, absolute) ? trash : QString();
}

bool MoveFileToTrash(const QString &path, const QString &trash)
{
    QFile file(path);
    if (!file.moveToTrash())
        return false;
    const QString now = file.fileName();
    if (QFileInfo(now).canonicalPath() ==
        QFileInfo(trash + QStringLiteral("/files")).canonicalFilePath())
        return true;
    // Back where it was, never over a file that has taken its name meanwhile.
    ::renameat2(AT_FDCWD, QFile::encodeName(now).constData(), AT_FDCWD,
                QFile::encodeName(path).constData(), RENAME_NOREPLACE);
    return false;
}

} // namespace vorlant
