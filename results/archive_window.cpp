#include "results/archive_window.h"

#include "results/archive_directory_edit.h"
#include "results/archive_listing.h"
#include "results/chart_window.h"
#include "results/person_commands.h"
#include "results/progress_window.h"
#include "results/workbook_saving.h"
#include "store/attempt_sheet.h"
#include "store/csv_export.h"
#include "store/file_io.h"
#include "store/results_name.h"
#include "store/results_store.h"
#include "store/work.h"

#include "engine/message_sink.h"
#include "ui/window_placement.h"
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace vorlant {
namespace {

constexpr QSize kOuterSize{479, 408};
constexpr int kListTop = 24;
constexpr int kDirectoryLeft = 200;
constexpr int kRowHeight = 22;
const QString kAnyName = QStringLiteral("*");

void ShowMessageDialog(QWidget *parent, ArchiveWindow::NoticeKind kind, const QString &caption,
                       const QString &text)
{
    const QMessageBox::Icon icon = kind == ArchiveWindow::NoticeKind::Warning
                                       ? QMessageBox::Warning
                                       : QMessageBox::Information;
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(box.addButton(QCoreApplication::translate("vorlant::ArchiveWindow", "OK"),
                                       QMessageBox::AcceptRole));
    box.exec();
}

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &caption,
                        const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

QString FirstWord(const QString &text)
{
    return QString::fromStdString(Work.NthWord(text.toStdString(), 1, ' '));
}

} // namespace

ArchiveWindow::ArchiveWindow(ResultsStore &store, ChartWindow *chart, QWidget *parent,
                             ProgressWindowMaker makeProgress, OverviewWindowMaker makeOverview)
    : QMainWindow(parent), store_(store), chart_(chart), makeProgress_(std::move(makeProgress)),
      makeOverview_(std::move(makeOverview)),
      noticeBox_([this](NoticeKind kind, const QString &caption, const QString &text) {
          ShowMessageDialog(this, kind, caption, text);
      }),
      workbookFileChooser_(ChooseWorkbookFile), client_(new QWidget(this)),
      CB1(new QComboBox(client_)), DE(new DirectoryEdit(client_)),
      SG1(new QTableWidget(1, 3, client_)), GB1(new QGroupBox(client_)), _adr(new QLineEdit(GB1)),
      OK(MakeButton(GB1, "OK", tr("OK"), {32, 64, 75, 25})),
      Cancel(MakeButton(GB1, "Cancel", tr("Cancel"), {152, 64, 75, 25})),
      PopupMenu1(new QMenu(this))
{
    BuildControls();
    BuildMenus();
    ConnectControls();
}

ArchiveWindow::~ArchiveWindow() = default;

void ArchiveWindow::BuildControls()
{
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(tr("Uložené výsledky"));
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with the main window only
    // MS Sans Serif 8 pt does not exist here; Arial resolves to its metric twin.
    setFont(QFont(QStringLiteral("Arial"), 8));
    resize(kOuterSize);

    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);

    CB1->setObjectName(QStringLiteral("CB1"));
    CB1->setGeometry(0, 0, 193, 21);
    CB1->setEditable(true);
    // The typed text is a filter, never a new choice, and is not completed behind the typist.
    CB1->setInsertPolicy(QComboBox::NoInsert);
    CB1->setCompleter(nullptr);
    CB1->addItem(kAnyName);
    CB1->setCurrentIndex(0);

    DE->setObjectName(QStringLiteral("DE"));
    DE->setGeometry(kDirectoryLeft, 0, 249, 21);
    DE->setText(QStringLiteral("DE"));
    DE->setContextMenuPolicy(Qt::CustomContextMenu);

    SG1->setObjectName(QStringLiteral("SG1"));
    SG1->setGeometry(0, kListTop, 449, 209);
    SG1->setHorizontalHeaderLabels({tr("Příjjmení, jméno"), tr("Čas testu"), tr("Název souboru")});
    SG1->verticalHeader()->hide();
    SG1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SG1->verticalHeader()->setMinimumSectionSize(kRowHeight);
    SG1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    QHeaderView *header = SG1->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionsClickable(false); // a fixed header row, as in a string grid
    const int widths[] = {250, 133, 250};
    for (int column = 0; column < 3; ++column)
        SG1->setColumnWidth(column, widths[column]);
    SG1->setShowGrid(true);
    SG1->setWordWrap(false);
    SG1->setSortingEnabled(false);
    SG1->setSelectionBehavior(QAbstractItemView::SelectItems);
    SG1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    // Cells are edited by typing, F2 or a click on the current cell, never by a double-click,
    // which opens the file of its row.
    SG1->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked |
                         QAbstractItemView::AnyKeyPressed);
    SG1->setContextMenuPolicy(Qt::CustomContextMenu);

    GB1->setObjectName(QStringLiteral("GB1"));
    GB1->setTitle(tr("Zadej nový adresář"));
    GB1->setGeometry(32, 64, 265, 105);
    GB1->setAutoFillBackground(true); // it covers the list, which must not show through
    GB1->hide();
    GB1->raise(); // over the list
    _adr->setObjectName(QStringLiteral("_adr"));
    _adr->setGeometry(16, 24, 225, 21);
}

void ArchiveWindow::BuildMenus()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *file = menuBar()->addMenu(tr("Soubor"));
    file->setObjectName(QStringLiteral("Soubor1"));
    QAction *open = file->addAction(tr("Otevřít"));
    open->setObjectName(QStringLiteral("Otevt1"));
    connect(open, &QAction::triggered, this, &ArchiveWindow::Otevt1Click);
    QAction *progress = file->addAction(tr("Vývoj výsledků"));
    progress->setObjectName(QStringLiteral("progressOfPerson"));
    connect(progress, &QAction::triggered, this, &ArchiveWindow::ProgressClick);
    if (!HasProgress()) {
        progress->setEnabled(false);
        progress->setText(tr("Vývoj výsledků (chybí soubor libvorlant_late.so)"));
    }
    QAction *report = file->addAction(tr("Zpráva o osobě…"));
    report->setObjectName(QStringLiteral("reportOfPerson"));
    connect(report, &QAction::triggered, this, &ArchiveWindow::ReportClick);
    if (!HasProgress()) {
        report->setEnabled(false);
        report->setText(tr("Zpráva o osobě… (chybí soubor libvorlant_late.so)"));
    }
    QAction *overview = file->addAction(tr("Přehled osob"));
    overview->setObjectName(QStringLiteral("overviewOfPersons"));
    connect(overview, &QAction::triggered, this, &ArchiveWindow::OverviewClick);
    if (!HasOverview()) {
        overview->setEnabled(false);
        overview->setText(tr("Přehled osob (chybí soubor libvorlant_late.so)"));
    }
    QAction *exportCsv = file->addAction(tr("Export do CSV…"));
    exportCsv->setObjectName(QStringLiteral("exportCsv"));
    connect(exportCsv, &QAction::triggered, this, &ArchiveWindow::ExportCsvClick);
    QAction *exportXlsx = file->addAction(tr("Export do Excelu…"));
    exportXlsx->setObjectName(QStringLiteral("exportXlsx"));
    connect(exportXlsx, &QAction::triggered, this, &ArchiveWindow::ExportXlsxClick);
    QAction *rename = file->addAction(tr("Přejmenovat osobu…"));
    rename->setObjectName(QStringLiteral("renamePerson"));
    connect(rename, &QAction::triggered, this, [this] { PersonCommandClick(RenamePerson); });
    QAction *remove = file->addAction(tr("Smazat osobu…"));
    remove->setObjectName(QStringLiteral("deletePerson"));
    connect(remove, &QAction::triggered, this, [this] { PersonCommandClick(DeletePerson); });
    QAction *close = file->addAction(tr("Konec"));
    close->setObjectName(QStringLiteral("Konec1"));
    connect(close, &QAction::triggered, this, &ArchiveWindow::Konec1Click);

    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    QAction *newFolder = PopupMenu1->addAction(tr("Vytvoření nové složky"));
    newFolder->setObjectName(QStringLiteral("Novsloka1"));
    connect(newFolder, &QAction::triggered, this, &ArchiveWindow::Novsloka1Click);
    PopupMenu1->addAction(progress);
    PopupMenu1->addAction(overview);
    PopupMenu1->addAction(rename);
    PopupMenu1->addAction(remove);
}

void ArchiveWindow::ConnectControls()
{
    // Only the user's typing and picking run the filter; the program's changes to the
    // choices, the text or the selection emit neither signal.
    connect(CB1, &QComboBox::textActivated, this, &ArchiveWindow::CB1Change);
    connect(CB1->lineEdit(), &QLineEdit::textEdited, this, &ArchiveWindow::CB1Change);
    // Fires for the user's and the program's changes alike, and only for a different text.
    connect(DE, &QLineEdit::textChanged, this, &ArchiveWindow::DEChange);
    connect(SG1, &QTableWidget::cellDoubleClicked, this, &ArchiveWindow::SG1DblClick);
    connect(SG1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(SG1->viewport()->mapToGlobal(at)); });
    connect(DE, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(DE->mapToGlobal(at)); });
    connect(OK, &QPushButton::clicked, this, &ArchiveWindow::OKClick);
    connect(Cancel, &QPushButton::clicked, this, &ArchiveWindow::CancelClick);
    connect(_adr, &QLineEdit::returnPressed, this, &ArchiveWindow::_adrKeyPress);
}

void ArchiveWindow::SetDirectory(const QString &folder)
{
    DE->setText(folder);
    DE->SetInitialFolder(folder);
}

void ArchiveWindow::ShowArchive()
{
    if (CellText(0, 0).isEmpty())
        FillArchiveList();
    ShowInFront(*this, kOuterSize, shownBefore_);
}

void ArchiveWindow::FillArchiveList()
{
    const QString typed = CB1->currentText();
    const std::vector<ArchiveEntry> entries =
        ListResultsFiles(DE->text(), typed == kAnyName ? QString() : typed);
    ShowEntries(entries);
    if (!entries.empty())
        FillNameFilter();
}

void ArchiveWindow::FillNameFilter()
{
    CB1->clear();
    CB1->addItem(kAnyName);
    CB1->setEditText(kAnyName);
    // The rows are sorted by person, so the rows of one first word are neighbours.
    QString word = FirstWord(CellText(0, 0));
    CB1->addItem(word);
    for (int row = 1; row < SG1->rowCount(); ++row) {
        QString next = FirstWord(CellText(row, 0));
        if (next != word) {
            word = std::move(next);
            CB1->addItem(word);
        }
    }
    CB1->setCurrentIndex(CB1->count() == 2 ? 1 : 0);
}

void ArchiveWindow::SetNoticeBox(NoticeBox box)
{
    noticeBox_ = std::move(box);
}

void ArchiveWindow::SetSaveFileChooser(SaveFileChooser choose)
{
    saveFileChooser_ = std::move(choose);
}

void ArchiveWindow::SetWorkbookFileChooser(SaveFileChooser choose)
{
    workbookFileChooser_ = std::move(choose);
}

ProgressWindow &ArchiveWindow::Progress()
{
    if (!progress_)
        progress_ = makeProgress_(store_.Messages(), this);
    return *progress_;
}

OverviewWindow &ArchiveWindow::Overview()
{
    if (!overview_) {
        overview_ = makeOverview_(store_.Messages(), this);
        overview_->SetProgressOpener([this](const QString &folder, const QString &person) {
            if (HasProgress())
                Progress().ShowProgress(folder, person);
        });
        overview_->SetPersonChangeHandler(
            [this](const PersonChange &change) { PersonChanged(change); });
    }
    return *overview_;
}

void ArchiveWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

// One row per entry, or one empty row when there are none. The items of earlier fills are
// reused: allocating and freeing three items a row cost more than the listing itself.
void ArchiveWindow::ShowEntries(const std::vector<ArchiveEntry> &entries)
{
    SG1->setUpdatesEnabled(false);
    SG1->reset(); // an edit under way ends unsaved: the cell it began in is replaced
    SG1->setRowCount(std::max<int>(1, static_cast<int>(entries.size())));
    // A change signal for each of the cells would only ask for repaints, which the end of
    // the fill does once for the whole list.
    const QSignalBlocker quietCells(SG1->model());
    int row = 0;
    for (const ArchiveEntry &entry : entries) {
        SetCellText(row, 0, entry.person);
        SetCellText(row, 1, entry.time);
        SetCellText(row, 2, entry.fileName);
        ++row;
    }
    if (entries.empty()) {
        for (int column = 0; column < 3; ++column)
            SetCellText(0, column, QString());
    }
    SG1->setUpdatesEnabled(true);
}

void ArchiveWindow::SetCellText(int row, int column, const QString &text)
{
    if (QTableWidgetItem *item = SG1->item(row, column))
        item->setText(text);
    else
        SG1->setItem(row, column, new QTableWidgetItem(text));
}

QString ArchiveWindow::CellText(int row, int column) const
{
    const QTableWidgetItem *item = SG1->item(row, column);
    return item ? item->text() : QString();
}

// The list fills the client area below its top; the directory field reaches the right edge.
void ArchiveWindow::FormResize()
{
    const QSize client = client_->size();
    SG1->setGeometry(0, kListTop, client.width(), std::max(0, client.height() - kListTop));
    DE->setGeometry(kDirectoryLeft, 0, std::max(0, client.width() - kDirectoryLeft), DE->height());
}

void ArchiveWindow::CB1Change()
{
    FillArchiveList();
}

void ArchiveWindow::DEChange()
{
    store_.SetArchiveFolder(DE->text().toStdString());
    CB1->setEditText(kAnyName);
    FillArchiveList();
}

// "Otevřít": shows the files saved since the list was last filled.
void ArchiveWindow::Otevt1Click()
{
    FillArchiveList();
}

void ArchiveWindow::Konec1Click()
{
    close();
}

// Opens the file named in column 2 of the current row, as edited if it was; the chart shows
// the ViewedLog even when the load failed and the store has reported it.
void ArchiveWindow::SG1DblClick()
{
    const QString fileName = CellText(SG1->currentRow(), 2);
    const LogRecords before = store_.ViewedLog();
    // A file that could not be closed has been read whole all the same.
    if (store_.LoadResults(DE->text().toStdString(), fileName.toStdString()) ||
        store_.ViewedLog() != before)
        viewedFileName_ = fileName;
    if (chart_)
        chart_->ShowResultsChart(store_.ViewedLog(),
                                 LabelOfResultsFile(viewedFileName_.toStdString()));
}

void ArchiveWindow::Novsloka1Click()
{
    GB1->show();
    _adr->setFocus();
}

// Makes the typed folder, one level, below the shown one; it becomes the data directory and
// the shown folder.
void ArchiveWindow::OKClick()
{
    const std::string folder = JoinPath(DE->text().toStdString(), _adr->text().toStdString());
    std::error_code error;
    if (!std::filesystem::create_directory(folder, error)) {
        noticeBox_(NoticeKind::Warning, tr("Warning"), tr("Složku nelze vytvořit"));
        GB1->hide();
        return;
    }
    store_.SetDataDirectory(folder);
    SetDirectory(QString::fromStdString(folder));
    GB1->hide();
    noticeBox_(NoticeKind::Information, tr("Information"), tr("Složka je vytvořena"));
}

void ArchiveWindow::CancelClick()
{
    GB1->hide();
}

// Enter in the new-folder box acts as OK.
void ArchiveWindow::_adrKeyPress()
{
    OKClick();
}

// "Vývoj výsledků": every test of the current row's person in the shown folder, whatever
// the name filter lets through.
void ArchiveWindow::ProgressClick()
{
    if (!HasProgress())
        return;
    if (const QString person = ChosenPerson(); !person.isEmpty())
        Progress().ShowProgress(DE->text(), person);
}

// "Zpráva o osobě…": the report of the current row's person, from every test of theirs in the
// shown folder, as "Vývoj výsledků" reads them.
void ArchiveWindow::ReportClick()
{
    if (!HasProgress())
        return;
    if (const QString person = ChosenPerson(); !person.isEmpty())
        Progress().OfferReport(DE->text(), person);
}

QString ArchiveWindow::ChosenPerson()
{
    const QString person = CellText(SG1->currentRow(), 0);
    if (person.isEmpty())
        store_.Messages().Message(VORLANT_TRANSLATE_NOOP("Messages", "Vyberte řádek s osobou."));
    return person;
}

// "Export do CSV…": the attempts of every file the list shows, in the list's order.
void ArchiveWindow::ExportCsvClick()
{
    const CsvOfFiles csv = ComposeCsv(DE->text().toStdString(), ListedFiles());
    if (!SaveCsv(this, saveFileChooser_, store_.Messages(), csv.csv) || csv.unreadable.empty())
        return;
    QStringList unreadable;
    for (const std::string &name : csv.unreadable)
        unreadable << QString::fromStdString(name);
    store_.Messages().Message(
        UnreadableFilesMessage(tr("Tyto soubory nelze načíst, v exportu chybí:"), unreadable)
            .toStdString());
}

std::vector<std::string> ArchiveWindow::ListedFiles() const
{
    std::vector<std::string> files;
    for (int row = 0; row < SG1->rowCount(); ++row) {
        const QString name = CellText(row, 2);
        if (!name.isEmpty())
            files.push_back(name.toStdString());
    }
    return files;
}

// "Přehled osob": the persons of the listed files, each with all of their tests in the folder.
void ArchiveWindow::OverviewClick()
{
    if (!HasOverview())
        return;
    QStringList listed;
    for (const std::string &name : ListedFiles())
        listed << QString::fromStdString(name);
    Overview().ShowOverview(DE->text(), listed);
}

// "Export do Excelu…": the attempts of every file the list shows, in the list's order.
void ArchiveWindow::ExportXlsxClick()
{
    AttemptsOfFiles attempts = ComposeAttemptsSheet(DE->text().toStdString(), ListedFiles());
    if (!SaveWorkbookAs(this, workbookFileChooser_, store_.Messages(),
                        SuggestedWorkbookPath(QStringLiteral("vysledky.xlsx")),
                        std::move(attempts.sheet)) ||
        attempts.unreadable.empty())
        return;
    QStringList unreadable;
    for (const std::string &name : attempts.unreadable)
        unreadable << QString::fromStdString(name);
    store_.Messages().Message(
        UnreadableFilesMessage(tr("Tyto soubory nelze načíst, v exportu chybí:"), unreadable)
            .toStdString());
}

template <typename Command> void ArchiveWindow::PersonCommandClick(Command command)
{
    const QString person = ChosenPerson();
    if (person.isEmpty())
        return;
    if (const std::optional<PersonChange> change =
            command(this, store_.Messages(), DE->text(), person))
        PersonChanged(*change);
}

// The whole folder again: a filter by the old name would list nothing.
void ArchiveWindow::PersonChanged(const PersonChange &change)
{
    if (change.folder == DE->text()) {
        CB1->setEditText(kAnyName);
        FillArchiveList();
    }
    if (overview_)
        overview_->ApplyPersonChange(change);
    if (progress_)
        progress_->ApplyPersonChange(change);
}

} // namespace vorlant
