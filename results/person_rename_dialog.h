#pragma once

#include <QDialog>
#include <QString>

#include <map>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vorlant {

class MessageSink;

// The dialog of "Přejmenovat osobu…": the person's name and a field for the new one, with the
// name dialog's rules (as long, the same characters mended in file names). While the new
// name is that of another person with tests, it says that the tests will be merged.
class PersonRenameDialog : public QDialog
{
    Q_OBJECT

public:
    // testsByPerson: how many tests each person of the folder has.
    PersonRenameDialog(MessageSink &messages, const QString &person, int tests,
                       std::map<std::string, int> testsByPerson, QWidget *parent = nullptr);

    // The person the typed name stands for, as files and the archive will name it.
    QString NewPerson() const;

    void accept() override;

private:
    void NameEdited();

    MessageSink &messages_;
    QString person_;
    std::map<std::string, int> testsByPerson_;
    QLineEdit *name_;
    QLabel *mergeNote_;
    QPushButton *rename_;
};

} // namespace vorlant
