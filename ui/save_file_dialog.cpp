#include "ui/save_file_dialog.h"

#include <QFileDialog>

namespace vorlant {

QString ChooseFileToSave(QWidget *parent, const QString &objectName, const QString &caption,
                         const QString &filter, const QString &suffix, const QString &suggested)
{
    QFileDialog dialog(parent, caption, suggested, filter);
    dialog.setObjectName(objectName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace vorlant
