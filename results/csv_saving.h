#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <string>

class QWidget;

namespace vorlant {

class MessageSink;

// Asks the user where to save, starting at suggested; an empty text when the user cancelled.
using SaveFileChooser = std::function<QString(QWidget *parent, const QString &suggested)>;

// The system's save dialog for a CSV file; it asks before replacing an existing file.
QString ChooseCsvFile(QWidget *parent, const QString &suggested);

// "vysledky.csv" in the user's home folder.
QString SuggestedCsvPath();

// Lets the user choose a file and saves csv there the way results files are saved: complete
// or not at all. A failure is reported as "Soubor <path> nelze uložit" with the reason below it.
// Returns whether the file was written.
bool SaveCsv(QWidget *parent, const SaveFileChooser &choose, MessageSink &messages,
             const std::string &csv);

// intro and the names of files, one a line; past the first twenty only their count.
QString UnreadableFilesMessage(const QString &intro, const QStringList &files);

} // namespace vorlant
