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

// The text in the language the program speaks: the wording translated, then the values put in.
QString Translated(const UserText &text)
{
    const QString wording = QCoreApplication::translate("Messages", text.wording().c_str());
    return QString::fromStdString(UserText::Fill(wording.toStdString(), text.values()));
}

} // namespace

void MessageBoxes::Message(const UserText &text)
{
    ShowBox(QMessageBox::NoIcon, Translated(text));
}

void MessageBoxes::Error(const UserText &text)
{
    QString shown = Translated(text);
    if (!shown.endsWith(u'.'))
        shown += u'.';
    ShowBox(QMessageBox::Critical, shown);
}

} // namespace vorlant
