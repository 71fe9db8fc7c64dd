#pragma once

#include <QString>

namespace vorlant {

// Where the program keeps its settings file, its results and its picture folder.
struct StorageLocations
{
    QString settingsFolder;       // holds Vorlant.ini
    QString defaultDataDirectory; // receives results when the settings name no folder
    QString pictureParent;        // the picture folder "obr_deti" is made in here
    bool perUser = false;         // the user's own folders rather than the program's
};

// Whether programFolder is the "bin" folder of an installed tree, that is, the package's desktop
// entry lies at <prefix>/share/applications beside it. Any prefix counts.
bool IsInstalledTree(const QString &programFolder);

// Chosen once at start-up. An installed program, or one whose folder cannot be written, uses
// the user's folders (see PerUserLocations). Any other keeps its settings and its folder "data"
// beside the executable and its pictures below the current folder, as a portable copy does.
StorageLocations ChooseStorageLocations(const QString &programFolder);

// The program's folder among the user's data: $XDG_DATA_HOME/vorlant.
QString UserDataFolder();

// Where a test whose save failed is kept: a folder of the user's own, whatever the data
// directory is ($XDG_DATA_HOME/vorlant/neulozene).
QString UnsavedResultsFolder();

// The freedesktop base directories: the settings in $XDG_CONFIG_HOME/vorlant, the results in
// $XDG_DATA_HOME/vorlant/data and the pictures in $XDG_DATA_HOME/vorlant/obr_deti.
StorageLocations PerUserLocations();

// Makes the user's folders that the settings file and the picture folder go into, for the user
// alone (MakePrivateFolder). Failure is silent: the file operations that follow report it with
// the real path.
void MakeStorageFolders(const StorageLocations &locations);

} // namespace vorlant
