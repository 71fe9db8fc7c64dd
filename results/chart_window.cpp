#include "results/chart_window.h"

#include "engine/message_sink.h"
#include "results/chart_attempts.h"
#include "results/chart_printing.h"
#include "results/summary_line.h"
#include "results/workbook_saving.h"
#include "store/attempt_sheet.h"
#include "store/csv_export.h"
#include "store/test_summary.h"

#include "ui/window_placement.h"
#include <QAction>
#include <QChartView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QVBoxLayout>

namespace vorlant {
namespace {

constexpr QSize kOuterSize{713, 399};

} // namespace

ChartWindow::ChartWindow(MessageSink &messages, QWidget *parent)
    : QMainWindow(parent), messages_(messages), chart_(new AttemptsChart),
      Ch1_(new QChartView(chart_)), summaryLine_(new QLabel),
      workbookFileChooser_(ChooseWorkbookFile), printer_(*this)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(tr("Graf"));
    setAttribute(Qt::WA_QuitOnClose, false); // the program ends with the main window only
    resize(kOuterSize);

    Ch1_->setObjectName(QStringLiteral("Ch1"));
    // A label, so that a screen reader reads the measures too.
    summaryLine_->setObjectName(QStringLiteral("summaryLine"));
    summaryLine_->setTextFormat(Qt::PlainText);
    summaryLine_->setWordWrap(true);
    summaryLine_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *client = new QWidget(this);
    auto *column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 4);
    column->setSpacing(4);
    column->addWidget(Ch1_, 1);
    column->addWidget(summaryLine_);
    summaryLine_->setContentsMargins(8, 0, 8, 0);
    setCentralWidget(client);

    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    QMenu *actions = menuBar()->addMenu(tr("Akce"));
    QAction *landscape = actions->addAction(tr("Tisk - vyber tisk na šířku"));
    landscape->setObjectName(QStringLiteral("Vbrtiskrny1"));
    connect(landscape, &QAction::triggered, this, &ChartWindow::Vbrtiskrny1Click);
    QAction *portrait = actions->addAction(tr("Tisk - vyber tisk na výšku"));
    portrait->setObjectName(QStringLiteral("isk1"));
    connect(portrait, &QAction::triggered, this, &ChartWindow::isk1Click);
    QAction *exportCsv = actions->addAction(tr("Export do CSV…"));
    exportCsv->setObjectName(QStringLiteral("exportCsv"));
    connect(exportCsv, &QAction::triggered, this, &ChartWindow::ExportCsvClick);
    QAction *exportXlsx = actions->addAction(tr("Export do Excelu…"));
    exportXlsx->setObjectName(QStringLiteral("exportXlsx"));
    connect(exportXlsx, &QAction::triggered, this, &ChartWindow::ExportXlsxClick);
    QAction *close = actions->addAction(tr("Konec"));
    close->setObjectName(QStringLiteral("Konec1"));
    connect(close, &QAction::triggered, this, &ChartWindow::Konec1Click);
}

ChartWindow::~ChartWindow() = default;

void ChartWindow::ShowResultsChart(const LogRecords &log, const TestLabel &test, bool personalBest)
{
    shownLog_ = log;
    shownTest_ = test;
    chart_->Fill(log);
    summaryLine_->setText(SummaryLineText(SummariseRecords(log), personalBest));
    ShowInFront(*this, kOuterSize, shownBefore_);
}

void ChartWindow::SetPrinterSetup(PrinterSetup setup)
{
    printer_.SetSetup(std::move(setup));
}

void ChartWindow::Vbrtiskrny1Click()
{
    Print(kLandscapePrintArea);
}

void ChartWindow::isk1Click()
{
    Print(kPortraitPrintArea);
}

void ChartWindow::SetSaveFileChooser(SaveFileChooser choose)
{
    saveFileChooser_ = std::move(choose);
}

void ChartWindow::ExportCsvClick()
{
    std::string csv(kCsvHeader);
    AppendCsvLines(csv, shownTest_, shownLog_);
    SaveCsv(this, saveFileChooser_, messages_, csv);
}

void ChartWindow::SetWorkbookFileChooser(SaveFileChooser choose)
{
    workbookFileChooser_ = std::move(choose);
}

void ChartWindow::ExportXlsxClick()
{
    SheetTable sheet = EmptyAttemptsSheet();
    AppendAttemptRows(sheet, shownTest_, shownLog_);
    SaveWorkbookAs(this, workbookFileChooser_, messages_,
                   SuggestedWorkbookPath(QStringLiteral("vysledky.xlsx")), std::move(sheet));
}

void ChartWindow::Konec1Click()
{
    close();
}

void ChartWindow::Print(const QRect &area)
{
    printer_.Print(messages_, [&](QPrinter &printer) {
        return PrintChart(printer, area, shownLog_, summaryLine_->text());
    });
}

} // namespace vorlant
// The meta-object code is compiled here, not with the rest of the library's, so that the
// program, which never creates this class itself, links neither it nor Qt's chart and print
// modules behind it.
#include "moc_chart_window.cpp"
