#include "app/message_boxes.h"

#include "app/application_title.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <string>

namespace vorlant {
namespace {

void ShowBox(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, ApplicationTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

QString TranslatedText(const UserText &text)
{
    const QString wording = QCoreApplication::translate("Messages", text.wording().c_str());
    QString translated =
        QString::fromStdString(UserText::Fill(wording.toStdString(), text.values()));
    for (const UserText &line : text.lines())
        translated += u'\n' + TranslatedText(line);
    return translated;
}

void MessageBoxes::Message(const UserText &text)
{
    ShowBox(QMessageBox::NoIcon, TranslatedText(text));
}

void MessageBoxes::Error(const UserText &text)
{
    QString shown = TranslatedText(text);
    if (!shown.endsWith(u'.'))
        shown += u'.';
    ShowBox(QMessageBox::Critical, shown);
}

} // namespace vorlant
