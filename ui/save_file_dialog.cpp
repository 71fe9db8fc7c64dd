#include "ui/save_file_dialog.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

namespace vorlant {

QString ChooseFileToSave(QWidget *parent, const QString &objectName, const QString &caption,
                         const QString &filter, const QString &suffix, const QString &suggested,
                         const QString &note)
{
    QFileDialog dialog(parent, caption, suggested, filter);
    dialog.setObjectName(objectName);
    if (!note.isEmpty()) {
        // The system's dialog has no room for a text of ours; Qt's lays out in a grid.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout())) {
            auto *label = new QLabel(note, &dialog);
            label->setObjectName(QStringLiteral("saveNote"));
            label->setWordWrap(true);
            label->setTextFormat(Qt::PlainText);
            grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace vorlant
