#include "results/overview_window.h"

#include "engine/message_sink.h"
#include "results/overview_model.h"
#include "results/overview_reading.h"
#include "results/overview_sheet.h"
#include "results/person_commands.h"
#include "results/person_report_dialog.h"
#include "results/research_saving.h"
#include "results/table_printing.h"
#include "results/workbook_saving.h"

#include "ui/window_placement.h"
#include <QAction>
#include <QDate>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace vorlant {
namespace {

constexpr QSize kOuterSize{980, 420};
// Room for the window's own frame beside the table.
constexpr int kWindowFrame = 16;

} // namespace

OverviewWindow::OverviewWindow(MessageSink &messages, QWidget *parent)
    : QMainWindow(parent), messages_(messages), model_(new OverviewModel(this)),
      sorted_(new QSortFilterProxyModel(this)), table_(new QTableView(this)),
      saveFileChooser_(ChooseWorkbookFile), researchWorkbookChooser_(ChooseResearchWorkbookFile),
      researchKeyChooser_(ChooseResearchKeyFile), printer_(*this)
{
    setObjectName(QStringLiteral("overviewWindow"));
    setWindowTitle(tr("Přehled osob"));
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with the main window only
    resize(kOuterSize);

    sorted_->setSourceModel(model_);
    sorted_->setSortRole(OverviewModel::SortRole);
    table_->setObjectName(QStringLiteral("overviewTable"));
    table_->setModel(sorted_);
    table_->setSortingEnabled(true);
    table_->sortByColumn(OverviewModel::PersonColumn, Qt::AscendingOrder);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setWordWrap(false);
    table_->verticalHeader()->hide();
    table_->horizontalHeader()->setStretchLastSection(true);
    setCentralWidget(table_);
    connect(table_, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { OpenProgressOfRow(index.row()); });

    menuBar()->setObjectName(QStringLiteral("overviewMenu"));
    QMenu *file = menuBar()->addMenu(tr("Soubor"));
    file->setObjectName(QStringLiteral("overviewFile"));
    QAction *exportXlsx = file->addAction(tr("Export do Excelu…"));
    exportXlsx->setObjectName(QStringLiteral("exportXlsx"));
    connect(exportXlsx, &QAction::triggered, this, &OverviewWindow::ExportXlsxClick);
    QAction *report = file->addAction(tr("Zpráva o osobě…"));
    report->setObjectName(QStringLiteral("reportOfPerson"));
    connect(report, &QAction::triggered, this, &OverviewWindow::ReportClick);
    QAction *exportResearch = file->addAction(tr("Export pro výzkum…"));
    exportResearch->setObjectName(QStringLiteral("exportResearch"));
    connect(exportResearch, &QAction::triggered, this, &OverviewWindow::ExportResearchClick);
    QAction *rename = file->addAction(tr("Přejmenovat osobu…"));
    rename->setObjectName(QStringLiteral("renamePerson"));
    connect(rename, &QAction::triggered, this, [this] { PersonCommandClick(RenamePerson); });
    QAction *remove = file->addAction(tr("Smazat osobu…"));
    remove->setObjectName(QStringLiteral("deletePerson"));
    connect(remove, &QAction::triggered, this, [this] { PersonCommandClick(DeletePerson); });
    QAction *close = file->addAction(tr("Konec"));
    close->setObjectName(QStringLiteral("closeOverview"));
    connect(close, &QAction::triggered, this, &QWidget::close);
    QMenu *actions = menuBar()->addMenu(tr("Akce"));
    actions->setObjectName(QStringLiteral("overviewActions"));
    QAction *print = actions->addAction(tr("Tisk"));
    print->setObjectName(QStringLiteral("printOverview"));
    connect(print, &QAction::triggered, this, &OverviewWindow::PrintClick);
}

OverviewWindow::~OverviewWindow() = default;

void OverviewWindow::ShowOverview(const QString &folder, const QStringList &listedFiles)
{
    if (!Read(folder, listedFiles))
        return;
    // Wide enough at first for every column, whatever the language of the headers.
    const int columns = table_->horizontalHeader()->length() + 2 * table_->frameWidth() +
                        table_->verticalScrollBar()->sizeHint().width() + kWindowFrame;
    ShowInFront(*this, {std::max(kOuterSize.width(), columns), kOuterSize.height()}, shownBefore_);
}

bool OverviewWindow::Read(const QString &folder, const QStringList &listedFiles)
{
    if (reading_) // the progress dialog lets events through; one reading at a time
        return false;
    reading_ = true;
    std::optional<Overview> read = ReadOverview(this, folder, listedFiles, dialogAfter_);
    reading_ = false;
    if (!read)
        return false;
    folder_ = folder;
    listed_ = listedFiles;
    model_->SetRows(std::move(read->rows));
    table_->resizeColumnsToContents();
    if (!read->unreadable.isEmpty())
        messages_.Message(UnreadableFilesMessage(tr("Tyto soubory nelze načíst, v přehledu chybí:"),
                                                 read->unreadable)
                              .toStdString());
    return true;
}

void OverviewWindow::SetPersonChangeHandler(PersonChangeHandler handler)
{
    personChanged_ = std::move(handler);
}

// The persons read are those of the listed files: a deleted person drops out with its last
// file, a renamed one comes back under its new name.
void OverviewWindow::ApplyPersonChange(const PersonChange &change)
{
    if (isVisible() && change.folder == folder_)
        Read(folder_, listed_ + change.newFiles);
}

template <typename Command> void OverviewWindow::PersonCommandClick(Command command)
{
    const QModelIndex current = sorted_->mapToSource(table_->currentIndex());
    if (!current.isValid()) {
        messages_.Message(VORLANT_TRANSLATE_NOOP("Messages", "Vyberte řádek s osobou."));
        return;
    }
    const std::optional<PersonChange> change =
        command(this, messages_, folder_, model_->Row(current.row()).person);
    if (!change)
        return;
    if (personChanged_)
        personChanged_(*change);
    else
        ApplyPersonChange(*change);
}

void OverviewWindow::ExportResearchClick()
{
    SaveResearchExport(this, researchWorkbookChooser_, researchKeyChooser_, messages_, folder_,
                       *model_);
}

void OverviewWindow::SetProgressOpener(ProgressOpener open)
{
    openProgress_ = std::move(open);
}

void OverviewWindow::ExportXlsxClick()
{
    SaveWorkbookAs(this, saveFileChooser_, messages_,
                   SuggestedWorkbookPath(QStringLiteral("prehled.xlsx")),
                   OverviewSheet(*model_, *sorted_));
}

void OverviewWindow::PrintClick()
{
    const QString heading =
        tr("Přehled osob – %1 – %2")
            .arg(folder_, OverviewModel::DateText(QDateTime::currentDateTime()));
    printer_.Print(messages_,
                   [&](QPrinter &printer) { return PrintTable(printer, heading, *sorted_); });
}

void OverviewWindow::ReportClick()
{
    const QModelIndexList selected = table_->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        messages_.Message(VORLANT_TRANSLATE_NOOP("Messages", "Vyberte řádek s osobou."));
        return;
    }
    if (reading_)
        return;
    if (!report_)
        report_ = new PersonReportDialog(messages_, this);
    const QModelIndex source = sorted_->mapToSource(selected.constFirst());
    reading_ = true;
    OfferReportOfFolder(*report_, messages_, this, folder_, model_->Row(source.row()).person,
                        dialogAfter_);
    reading_ = false;
}

void OverviewWindow::OpenProgressOfRow(int shownRow)
{
    if (!openProgress_ || shownRow < 0)
        return;
    const QModelIndex source = sorted_->mapToSource(sorted_->index(shownRow, 0));
    openProgress_(folder_, model_->Row(source.row()).person);
}

std::unique_ptr<OverviewWindow> MakeOverviewWindow(MessageSink &messages, QWidget *parent)
{
    return std::make_unique<OverviewWindow>(messages, parent);
}

} // namespace vorlant
// The meta-object code is compiled here, not with the rest of the library's, so that the
// program, whose archive window gets this window from its module, links neither it nor Qt's
// print module behind it.
#include "moc_overview_window.cpp"
