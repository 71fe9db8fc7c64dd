#include "results/workbook_saving.h"

#include "engine/message_sink.h"
#include "store/results_store.h"
#include "store/sheet_table.h"
#include "store/workbook_file.h"
#include "ui/save_file_dialog.h"

#include <QCoreApplication>
#include <QDir>

#include <system_error>

namespace vorlant {

QString ChooseWorkbookFile(QWidget *parent, const QString &suggested)
{
    return ChooseFileToSave(
        parent, QStringLiteral("workbookSaveDialog"),
        QCoreApplication::translate("WorkbookSaving", "Export do Excelu"),
        QCoreApplication::translate("WorkbookSaving", "Sešit Excelu (*.xlsx);;Všechny soubory (*)"),
        QStringLiteral("xlsx"), suggested);
}

QString SuggestedWorkbookPath(const QString &fileName)
{
    return QDir::home().filePath(fileName);
}

bool SaveWorkbookAs(QWidget *parent, const SaveFileChooser &choose, MessageSink &messages,
                    const QString &suggested, SheetTable table)
{
    const QString chosen = choose(parent, suggested);
    if (chosen.isEmpty())
        return false;
    // Dates come out the way the program's language writes them.
    for (SheetColumn &column : table.columns)
        column.numberFormat =
            QCoreApplication::translate("WorkbookSaving", column.numberFormat.c_str())
                .toStdString();
    std::error_code error;
    if (SaveWorkbook(chosen.toStdString(), table, error))
        return true;
    messages.Message(CannotSave(chosen.toStdString(), error));
    return false;
}

} // namespace vorlant
