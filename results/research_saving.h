#pragma once

#include "results/csv_saving.h"

#include <QString>

class QWidget;

namespace vorlant {

class MessageSink;
class OverviewModel;

// The save dialog of the research workbook.
QString ChooseResearchWorkbookFile(QWidget *parent, const QString &suggested);
// The save dialog of the key from codes to names, which says that the key is personal data
// and must be kept apart from the workbook.
QString ChooseResearchKeyFile(QWidget *parent, const QString &suggested);

// "Export pro výzkum…": the persons of model, whose files lie in folder, each under a code
// drawn at random, in a workbook with the sheets "Přehled" (the overview's columns, the name
// replaced by the code and the dates by the days from the first to the latest test) and
// "Pokusy" (the attempts of every test, days counted from the person's first test), with no
// name, date or file name; then, in a second file that the user may decline, the key from
// codes to names as CSV. Files that cannot be read are named once afterwards, as are save
// failures. Returns whether the workbook was saved.
bool SaveResearchExport(QWidget *parent, const SaveFileChooser &chooseWorkbook,
                        const SaveFileChooser &chooseKey, MessageSink &messages,
                        const QString &folder, const OverviewModel &model);

} // namespace vorlant
