#pragma once

#include <QString>

namespace vorlant {

// The desktop's trash (the freedesktop one) that QFile::moveToTrash moves the files of folder
// into, made the way it would make it: on another device than the home folder the device's own
// ".Trash/<uid>" or ".Trash-<uid>", else the home trash. Empty when none can be made on the
// folder's device (some network shares): moveToTrash then fails, or moves the file into a
// folder "files" below the current folder and reports success, as Qt 6.4 does when it finds
// no trash at all.
QString TrashFolderFor(const QString &folder);

// Moves the file at path into trash, a folder from TrashFolderFor; returns whether it is there
// now. A file that went anywhere else is put back.
bool MoveFileToTrash(const QString &path, const QString &trash);

} // namespace vorlant
