#pragma once

#include "engine/attempt_log.h"
#include "results/csv_saving.h"
#include "results/page_printer.h"
#include "store/results_name.h"

#include <QMainWindow>
#include <QString>

#include <functional>
#include <memory>

class QChartView;
class QLabel;
class QRect;

namespace vorlant {

class AttemptsChart;
class MessageSink;

// The chart window "Graf" (TForm3): the bar chart of one log, printable on one page. Created
// once and hidden; closing it only hides it.
class ChartWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Lets the user choose and set up the printer; false when the user cancelled.
    using PrinterSetup = PagePrinter::Setup;

    // Print failures are reported as errors to the messages.
    explicit ChartWindow(MessageSink &messages, QWidget *parent = nullptr);
    ~ChartWindow() override;

    // Draws the log's bars in place of the previous ones, with the line of the test's
    // measures below them, and shows the window without making it modal; a visible window
    // comes to the front. The log is only read. test tells the CSV export whose test it is,
    // when and in which results file, as far as known; personalBest opens the line with the
    // news of a new personal best. Virtual so that the program, which loads this window's
    // code after its first frame, reaches it through the object alone.
    virtual void ShowResultsChart(const LogRecords &log, const TestLabel &test = {},
                                  bool personalBest = false);

    // Replaces the save dialog of "Export do CSV…", which runs by default.
    void SetSaveFileChooser(SaveFileChooser choose);

    // Replaces the save dialog of "Export do Excelu…", which runs by default.
    void SetWorkbookFileChooser(SaveFileChooser choose);

    // Replaces the printer setup dialog, which runs by default.
    void SetPrinterSetup(PrinterSetup setup);

    AttemptsChart &Chart() const { return *chart_; }
    // The line of the shown test's measures under the chart.
    QLabel &SummaryLine() const { return *summaryLine_; }

    // "Tisk - vyber tisk na šířku": prints into the landscape rectangle.
    void Vbrtiskrny1Click();
    // "Tisk - vyber tisk na výšku": prints into the portrait rectangle.
    void isk1Click();
    // "Export do CSV…": saves the attempts of the shown log as CSV.
    void ExportCsvClick();
    // "Export do Excelu…": saves the attempts of the shown log as a workbook.
    void ExportXlsxClick();
    // "Konec": hides the window.
    void Konec1Click();

private:
    void Print(const QRect &area);

    MessageSink &messages_;
    AttemptsChart *chart_;
    QChartView *Ch1_;
    QLabel *summaryLine_;
    LogRecords shownLog_{};
    TestLabel shownTest_;
    SaveFileChooser saveFileChooser_ = ChooseCsvFile;
    SaveFileChooser workbookFileChooser_;
    PagePrinter printer_;
    bool shownBefore_ = false; // later shows leave the window where the user put it
};

} // namespace vorlant
