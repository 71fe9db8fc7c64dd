#include "results/workbook_saving.h"

#include "engine/message_sink.h"
#include "store/workbook_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>

#include <system_error>

namespace vorlant {

QString ChooseWorkbookFile(QWidget *parent, const QString &suggested)
{
    QFileDialog dialog(parent, QCoreApplication::translate("WorkbookSaving", "Export do Excelu"),
                       suggested,
                       QCoreApplication::translate("WorkbookSaving",
                                                   "Sešit Excelu (*.xlsx);;Všechny soubory (*)"));
    dialog.setObjectName(QStringLiteral("workbookSaveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("xlsx"));
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString SuggestedWorkbookPath(const QString &fileName)
{
    return QDir::home().filePath(fileName);
}

bool SaveWorkbookAs(QWidget *parent, const SaveFileChooser &choose, MessageSink &messages,
                    const QString &suggested, const SheetTable &table)
{
    const QString chosen = choose(parent, suggested);
    if (chosen.isEmpty())
        return false;
    std::error_code error;
    if (SaveWorkbook(chosen.toStdString(), table, error))
        return true;
    messages.Message(QCoreApplication::translate("WorkbookSaving", "Soubor %1 nelze uložit: %2")
                         .arg(chosen, QString::fromStdString(error.message()))
                         .toStdString());
    return false;
}

} // namespace vorlant
