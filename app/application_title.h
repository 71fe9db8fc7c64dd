#pragma once

class QString;

namespace vorlant {

// The caption of message boxes: the executable's file name without its extension, first letter
// upper case, the rest lower case ("vorlant" -> "Vorlant").
QString ApplicationTitle();

// The same rule applied to any executable's path.
QString TitleFromExecutablePath(const QString &path);

} // namespace vorlant
