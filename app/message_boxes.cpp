#include "app/message_boxes.h"

#include "app/application_title.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace vorlant {
namespace {

void ShowBox(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, ApplicationTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace

void MessageBoxes::Message(const std::string &text)
{
    ShowBox(QMessageBox::NoIcon, QString::fromStdString(text));
}

void MessageBoxes::Error(const std::string &text)
{
    QString shown = QString::fromStdString(text);
    if (!shown.endsWith(u'.'))
        shown += u'.';
    ShowBox(QMessageBox::Critical, shown);
}

} // namespace vorlant
