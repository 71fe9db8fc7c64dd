#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace vorlant {

class MessageSink;

// What a command on a person's results files changed in folder.
struct PersonChange
{
    QString folder;
    QString person;       // without a copy number
    QString newPerson;    // empty: the person's files were deleted
    QStringList newFiles; // the files renamed, by their new names
};

// The commands that the archive and the overview offer for the selected person: all of the
// person's results files in folder, copies " (N)" included. Each asks over parent, goes on
// past a file it cannot handle and names such files once at the end to messages. They return
// what changed, for the windows to show it; nothing when the user cancelled or no file changed.

// "Přejmenovat osobu…": renames every file of person to the name typed, keeping its date and
// time; into another person's name, the two persons become one.
std::optional<PersonChange> RenamePerson(QWidget *parent, MessageSink &messages,
                                         const QString &folder, const QString &person);

// "Smazat osobu…": after the user has confirmed, moves every file of person to the desktop's
// trash; where the folder has no trash, only after a second confirmation, for good.
std::optional<PersonChange> DeletePerson(QWidget *parent, MessageSink &messages,
                                         const QString &folder, const QString &person);

} // namespace vorlant
