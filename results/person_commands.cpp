#include "results/person_commands.h"

#include "engine/message_sink.h"
#include "results/csv_saving.h"
#include "results/person_rename_dialog.h"
#include "results/trash_folder.h"
#include "store/file_io.h"
#include "store/person_files.h"
#include "store/results_name.h"

#include <QCoreApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>

#include <string>
#include <vector>

#include <unistd.h>

namespace vorlant {
namespace {

// The context of the commands' texts.
class PersonCommands
{
    Q_DECLARE_TR_FUNCTIONS(PersonCommands)
};

QStringList Names(const std::vector<std::string> &files)
{
    QStringList names;
    for (const std::string &file : files)
        names << QString::fromStdString(file);
    return names;
}

// Asks question; only "Ano" says yes, and "Ne" is the default.
bool Confirmed(QWidget *parent, const char *objectName, const QString &caption,
               const QString &question)
{
    QMessageBox box(QMessageBox::Question, caption, question, QMessageBox::NoButton, parent);
    box.setObjectName(QString::fromLatin1(objectName));
    box.setTextFormat(Qt::PlainText); // names are data, never markup
    QPushButton *yes = box.addButton(PersonCommands::tr("Ano"), QMessageBox::YesRole);
    box.setDefaultButton(box.addButton(PersonCommands::tr("Ne"), QMessageBox::NoRole));
    box.exec();
    return box.clickedButton() == yes;
}

void ReportFailures(MessageSink &messages, const QString &intro,
                    const std::vector<std::string> &failed)
{
    if (!failed.empty())
        messages.Message(UnreadableFilesMessage(intro, Names(failed)).toStdString());
}

// A person as the archive shows them, without a copy number, and all of their files.
struct FilesOfPerson
{
    QString shown;
    std::vector<std::string> files;
};

// The person's files in folder; none, and the user told so, when there are none.
FilesOfPerson FindFilesOf(MessageSink &messages, const QString &folder, const QString &person)
{
    FilesOfPerson found;
    found.shown = QString::fromStdString(PersonWithoutCopyNumber(person.toStdString()));
    found.files = FindPersonFiles(folder.toStdString(), found.shown.toStdString());
    if (found.files.empty())
        messages.Message(PersonCommands::tr("Osoba „%1“ v této složce nemá žádný test.")
                             .arg(found.shown)
                             .toStdString());
    return found;
}

} // namespace

std::optional<PersonChange> RenamePerson(QWidget *parent, MessageSink &messages,
                                         const QString &folder, const QString &person)
{
    const std::string folderPath = folder.toStdString();
    // The files the dialog counts are the ones renamed; a test saved meanwhile keeps its name.
    const auto [shown, files] = FindFilesOf(messages, folder, person);
    if (files.empty())
        return std::nullopt;
    PersonRenameDialog dialog(messages, shown, static_cast<int>(files.size()),
                              CountFilesByPerson(folderPath), parent);
    if (dialog.exec() != QDialog::Accepted || dialog.NewPerson() == shown)
        return std::nullopt;

    const QString newPerson = dialog.NewPerson();
    const RenamedFiles outcome = RenamePersonFiles(folderPath, files, newPerson.toStdString());
    ReportFailures(messages, PersonCommands::tr("Tyto soubory nelze přejmenovat:"), outcome.failed);
    if (outcome.renamed.empty())
        return std::nullopt;
    return PersonChange{folder, shown, newPerson, Names(outcome.renamed)};
}

std::optional<PersonChange> DeletePerson(QWidget *parent, MessageSink &messages,
                                         const QString &folder, const QString &person)
{
    const std::string folderPath = folder.toStdString();
    const auto [shown, files] = FindFilesOf(messages, folder, person);
    if (files.empty())
        return std::nullopt;
    const int count = static_cast<int>(files.size());
    const QString caption = PersonCommands::tr("Smazat osobu");
    if (!Confirmed(parent, "deletePersonQuestion", caption,
                   PersonCommands::tr("Smazat %n testů osoby „%1“? Soubory se přesunou do koše.",
                                      nullptr, count)
                       .arg(shown)))
        return std::nullopt;
    const QString trash = TrashFolderFor(folder);
    if (trash.isEmpty() &&
        !Confirmed(parent, "deleteForGoodQuestion", caption,
                   PersonCommands::tr("Složka %1 nemá koš. Soubory se smažou natrvalo a nepůjde je "
                                      "obnovit. Smazat natrvalo %n testů osoby „%2“?",
                                      nullptr, count)
                       .arg(folder, shown)))
        return std::nullopt;

    std::vector<std::string> failed;
    for (const std::string &file : files) {
        const std::string path = JoinPath(folderPath, file);
        const bool gone = trash.isEmpty() ? ::unlink(path.c_str()) == 0
                                          : MoveFileToTrash(QString::fromStdString(path), trash);
        if (!gone)
            failed.push_back(file);
    }
    ReportFailures(messages, PersonCommands::tr("Tyto soubory nelze smazat:"), failed);
    if (failed.size() == files.size())
        return std::nullopt;
    return PersonChange{folder, shown, {}, {}};
}

} // namespace vorlant
