#include "results/csv_saving.h"

#include "engine/message_sink.h"
#include "store/file_io.h"
#include "store/results_store.h"
#include "ui/save_file_dialog.h"

#include <QCoreApplication>
#include <QDir>

#include <system_error>

namespace vorlant {
namespace {

constexpr int kNamedFilesMost = 20;

} // namespace

QString ChooseCsvFile(QWidget *parent, const QString &suggested)
{
    return ChooseFileToSave(
        parent, QStringLiteral("csvSaveDialog"),
        QCoreApplication::translate("CsvSaving", "Export do CSV"),
        QCoreApplication::translate("CsvSaving", "CSV (*.csv);;Všechny soubory (*)"),
        QStringLiteral("csv"), suggested);
}

QString SuggestedCsvPath()
{
    return QDir::home().filePath(QStringLiteral("vysledky.csv"));
}

QString UnreadableFilesMessage(const QString &intro, const QStringList &files)
{
    QStringList lines{intro};
    lines << files.mid(0, kNamedFilesMost);
    if (files.size() > kNamedFilesMost)
        lines << QCoreApplication::translate("CsvSaving", "… (celkem %1)").arg(files.size());
    return lines.join(u'\n');
}

bool SaveCsv(QWidget *parent, const SaveFileChooser &choose, MessageSink &messages,
             const std::string &csv)
{
    const QString chosen = choose(parent, SuggestedCsvPath());
    if (chosen.isEmpty())
        return false;
    const std::string path = chosen.toStdString();
    std::error_code error;
    if (ReplaceFileAtomically(path, csv, error))
        return true;
    messages.Message(CannotSave(path, error));
    return false;
}

} // namespace vorlant
