#pragma once

#include <QString>

class QWidget;

namespace vorlant {

// The system's save dialog, named objectName, at suggested: it asks before replacing a file and
// gives a name without a suffix the suffix. With a note, Qt's own dialog, which shows the note
// below its fields. The chosen path; an empty text when cancelled.
QString ChooseFileToSave(QWidget *parent, const QString &objectName, const QString &caption,
                         const QString &filter, const QString &suffix, const QString &suggested,
                         const QString &note = {});

} // namespace vorlant
