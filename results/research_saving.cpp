#include "results/research_saving.h"

#include "engine/message_sink.h"
#include "results/overview_model.h"
#include "results/overview_sheet.h"
#include "results/workbook_saving.h"
#include "store/file_io.h"
#include "store/research_export.h"
#include "store/results_store.h"
#include "store/workbook_file.h"
#include "ui/save_file_dialog.h"

#include <QCoreApplication>

#include <random>
#include <system_error>

namespace vorlant {
namespace {

class ResearchSaving
{
    Q_DECLARE_TR_FUNCTIONS(ResearchSaving)
};

} // namespace

QString ChooseResearchWorkbookFile(QWidget *parent, const QString &suggested)
{
    return ChooseFileToSave(parent, QStringLiteral("researchSaveDialog"),
                            ResearchSaving::tr("Export pro výzkum"),
                            ResearchSaving::tr("Sešit Excelu (*.xlsx);;Všechny soubory (*)"),
                            QStringLiteral("xlsx"), suggested);
}

QString ChooseResearchKeyFile(QWidget *parent, const QString &suggested)
{
    return ChooseFileToSave(
        parent, QStringLiteral("researchKeySaveDialog"),
        ResearchSaving::tr("Klíč ke kódům osob (osobní údaje)"),
        ResearchSaving::tr("CSV (*.csv);;Všechny soubory (*)"), QStringLiteral("csv"), suggested,
        ResearchSaving::tr("Klíč přiřazuje kódům ze sešitu jména osob. Jsou to osobní údaje: "
                           "uložte ho odděleně od sešitu, nepředávejte ho se sešitem a chraňte "
                           "ho jako výsledky samy. Nechcete-li klíč uložit, zvolte Zrušit."));
}

bool SaveResearchExport(QWidget *parent, const SaveFileChooser &chooseWorkbook,
                        const SaveFileChooser &chooseKey, MessageSink &messages,
                        const QString &folder, const OverviewModel &model)
{
    std::vector<std::string> persons;
    for (int row = 0; row < model.rowCount(); ++row)
        persons.push_back(model.Row(row).person.toStdString());
    std::mt19937 random{std::random_device{}()};
    const ResearchCodes codes = DrawResearchCodes(persons, random);
    // Built from the overview's own sheet, so that it has every column the overview has.
    const SheetTable overview = ResearchOverviewSheet(
        OverviewSheet(model, model), codes, ResearchSaving::tr("Kód").toStdString(),
        ResearchSaving::tr("Dnů od prvního do posledního testu").toStdString());
    const ResearchAttempts attempts = ResearchAttemptsSheet(
        folder.toStdString(), codes, ResearchSaving::tr("Pokusy").toStdString());

    const QString workbook =
        chooseWorkbook(parent, SuggestedWorkbookPath(QStringLiteral("vyzkum.xlsx")));
    if (workbook.isEmpty())
        return false;
    std::error_code error;
    if (!SaveWorkbook(workbook.toStdString(), {overview, attempts.sheet}, WorkbookDate::None,
                      error)) {
        messages.Message(CannotSave(workbook.toStdString(), error));
        return false;
    }
    if (!attempts.unreadable.empty()) {
        QStringList unreadable;
        for (const std::string &name : attempts.unreadable)
            unreadable << QString::fromStdString(name);
        messages.Message(
            UnreadableFilesMessage(
                ResearchSaving::tr("Tyto soubory nelze načíst, v exportu chybí:"), unreadable)
                .toStdString());
    }
    const QString key = chooseKey(parent, SuggestedWorkbookPath(QStringLiteral("vyzkum-klic.csv")));
    if (!key.isEmpty() && !ReplaceFileAtomically(key.toStdString(), ResearchKeyCsv(codes), error))
        messages.Message(CannotSave(key.toStdString(), error));
    return true;
}

} // namespace vorlant
