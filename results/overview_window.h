#pragma once

#include "results/csv_saving.h"
#include "results/page_printer.h"

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

class QSortFilterProxyModel;
class QTableView;

namespace vorlant {

class MessageSink;
class OverviewModel;
class PersonReportDialog;
struct PersonChange;

// The window "Přehled osob": one row a person with the figures of all their tests, sortable
// by any column, printable and exportable to Excel. A double-click opens the person's
// progress. Created once and reused; closing it only hides it.
class OverviewWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Opens the progress of person, whose files lie in folder.
    using ProgressOpener = std::function<void(const QString &folder, const QString &person)>;
    // Told what the window's rename or delete of a person changed.
    using PersonChangeHandler = std::function<void(const PersonChange &change)>;

    // Files that cannot be read, and print and save failures, are reported to messages.
    explicit OverviewWindow(MessageSink &messages, QWidget *parent = nullptr);
    ~OverviewWindow() override;

    // Reads the persons of the listed files, with all their files in folder, and shows them
    // in front. Files that cannot be read are left out and named in one message afterwards. A
    // reading cancelled by the user leaves the window as it was. Virtual, as are the setters
    // the archive window calls, so that the program, which links this window's code only from
    // its module, reaches them through the object alone.
    virtual void ShowOverview(const QString &folder, const QStringList &listedFiles);
    virtual void SetProgressOpener(ProgressOpener open);
    // After "Přejmenovat osobu…" or "Smazat osobu…", the handler is told, and it has the
    // windows show the change (this one through ApplyPersonChange); without a handler, this
    // window shows it alone.
    virtual void SetPersonChangeHandler(PersonChangeHandler handler);
    // Reads the persons again, the renamed ones under their new names, when the window is
    // shown and lists the change's folder.
    virtual void ApplyPersonChange(const PersonChange &change);

    // Reading that takes longer than this shows a progress dialog; by default 300 ms.
    void SetProgressDialogAfter(std::chrono::milliseconds delay) { dialogAfter_ = delay; }
    // Replaces the printer setup dialog, which runs by default.
    void SetPrinterSetup(PagePrinter::Setup setup) { printer_.SetSetup(std::move(setup)); }
    // Replaces the save dialog of "Export do Excelu…", which runs by default.
    void SetSaveFileChooser(SaveFileChooser choose) { saveFileChooser_ = std::move(choose); }
    // Replace the two save dialogs of "Export pro výzkum…", the workbook's and the key's.
    void SetResearchFileChoosers(SaveFileChooser workbook, SaveFileChooser key)
    {
        researchWorkbookChooser_ = std::move(workbook);
        researchKeyChooser_ = std::move(key);
    }

    QTableView &Table() const { return *table_; }
    const OverviewModel &Model() const { return *model_; }

    // "Export do Excelu…": the table as shown, sheet "Přehled".
    void ExportXlsxClick();
    // "Tisk": the table as shown, with the folder and the date above it.
    void PrintClick();

    // "Zpráva o osobě…": the report of the selected row's person.
    void ReportClick();

private:
    // Reads the persons of listedFiles in folder into the table; false when the user cancelled.
    bool Read(const QString &folder, const QStringList &listedFiles);
    void OpenProgressOfRow(int shownRow);
    // "Přejmenovat osobu…" and "Smazat osobu…" on the current row's person.
    template <typename Command> void PersonCommandClick(Command command);
    void ExportResearchClick();

    MessageSink &messages_;
    OverviewModel *model_;
    QSortFilterProxyModel *sorted_;
    QTableView *table_;
    QString folder_;
    QStringList listed_; // the files whose persons the window shows
    ProgressOpener openProgress_;
    PersonChangeHandler personChanged_;
    SaveFileChooser saveFileChooser_;
    SaveFileChooser researchWorkbookChooser_;
    SaveFileChooser researchKeyChooser_;
    std::chrono::milliseconds dialogAfter_{300};
    bool reading_ = false;
    PagePrinter printer_;
    PersonReportDialog *report_ = nullptr; // made when first offered
    bool shownBefore_ = false;
};

// Builds the window directly, for a program that links Qt's print module.
std::unique_ptr<OverviewWindow> MakeOverviewWindow(MessageSink &messages, QWidget *parent);

} // namespace vorlant
