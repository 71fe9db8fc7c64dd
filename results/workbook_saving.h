#pragma once

#include "results/csv_saving.h"
#include "store/sheet_table.h"

#include <QString>

class QWidget;

namespace vorlant {

class MessageSink;

// The system's save dialog for an Excel workbook; it asks before replacing an existing file.
QString ChooseWorkbookFile(QWidget *parent, const QString &suggested);

// fileName in the user's home folder.
QString SuggestedWorkbookPath(const QString &fileName);

// Lets the user choose a file, starting at suggested, and saves the workbook of table there
// the way results files are saved: complete or not at all. A failure is reported as
// "Soubor <path> nelze uložit" with the reason below it. Returns whether the file was written.
bool SaveWorkbookAs(QWidget *parent, const SaveFileChooser &choose, MessageSink &messages,
                    const QString &suggested, SheetTable table);

} // namespace vorlant
