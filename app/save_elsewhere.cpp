#include "app/save_elsewhere.h"

#include "app/application_title.h"
#include "app/message_boxes.h"
#include "ui/save_file_dialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>

namespace vorlant {
namespace {

// Whether the user wants to save elsewhere.
bool OffersAccepted(QWidget *parent, const QString &message)
{
    QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), message, QMessageBox::NoButton,
                    parent);
    box.setTextFormat(Qt::PlainText);
    QPushButton *elsewhere = box.addButton(
        QCoreApplication::translate("SaveElsewhere", "Uložit jinam…"), QMessageBox::ActionRole);
    QPushButton *ok =
        box.addButton(QCoreApplication::translate("SaveElsewhere", "OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return box.clickedButton() == elsewhere;
}

// The chosen path, or an empty text when the dialog was cancelled.
QString ChooseResultsFile(QWidget *parent, const QString &suggested)
{
    return ChooseFileToSave(
        parent, QStringLiteral("resultsSaveDialog"),
        QCoreApplication::translate("SaveElsewhere", "Uložit výsledky"),
        QCoreApplication::translate("SaveElsewhere", "Výsledky (*.mem);;Všechny soubory (*)"),
        QStringLiteral("mem"), suggested);
}

} // namespace

std::string AskWhereElseToSave(QWidget *parent, const UserText &message,
                               const std::string &fileName)
{
    const QString suggested = QDir::home().filePath(QString::fromStdString(fileName));
    while (OffersAccepted(parent, TranslatedText(message))) {
        const QString chosen = ChooseResultsFile(parent, suggested);
        if (!chosen.isEmpty())
            return chosen.toStdString();
    }
    return {};
}

} // namespace vorlant
