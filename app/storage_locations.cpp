#include "app/storage_locations.h"

#include "store/private_folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vorlant {
namespace {

// The folder below the base directories. Not derived from the application's name, so that the
// program and its tests find the same places.
constexpr auto kProgramName = "vorlant";

QString UserFolder(QStandardPaths::StandardLocation base)
{
    return QStandardPaths::writableLocation(base) + u'/' + QString::fromLatin1(kProgramName);
}

} // namespace

bool IsInstalledTree(const QString &programFolder)
{
    const QDir bin(programFolder);
    return bin.dirName() == QStringLiteral("bin") &&
           QFileInfo(bin.filePath(QStringLiteral("../share/applications/vorlant.desktop")))
               .isFile();
}

StorageLocations ChooseStorageLocations(const QString &programFolder)
{
    if (IsInstalledTree(programFolder) || !QFileInfo(programFolder).isWritable())
        return PerUserLocations();
    QString folder = programFolder;
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return {folder, folder + QStringLiteral("data"), QDir::currentPath(), false};
}

QString UserDataFolder()
{
    return UserFolder(QStandardPaths::GenericDataLocation);
}

QString UnsavedResultsFolder()
{
    return UserDataFolder() + QStringLiteral("/neulozene");
}

StorageLocations PerUserLocations()
{
    const QString data = UserDataFolder();
    return {UserFolder(QStandardPaths::GenericConfigLocation), data + QStringLiteral("/data"), data,
            true};
}

void MakeStorageFolders(const StorageLocations &locations)
{
    if (!locations.perUser)
        return;
    MakePrivateFolder(QFile::encodeName(locations.settingsFolder).toStdString());
    MakePrivateFolder(QFile::encodeName(locations.pictureParent).toStdString());
}

} // namespace vorlant
