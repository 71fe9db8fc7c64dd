#pragma once

#include "results/chart_window.h"

#include <QMainWindow>

#include <chrono>
#include <memory>

class QChartView;

namespace vorlant {

class MessageSink;
class PersonReportDialog;
class ProgressChart;
struct PersonChange;

// The window "Vývoj výsledků – <person>": every test of one person as points over time,
// printable on one page like the results chart. Created once and reused for each person;
// closing it only hides it.
class ProgressWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Files that cannot be read, and print failures, are reported to messages.
    explicit ProgressWindow(MessageSink &messages, QWidget *parent = nullptr);
    ~ProgressWindow() override;

    // Reads the results files of person in folder and shows their tests in front. Files that
    // cannot be read are left out and named in one message afterwards. A reading cancelled
    // by the user shows nothing and leaves the window as it was. Virtual so that the
    // archive window, which the program links without this window's code, reaches it
    // through the object alone.
    virtual void ShowProgress(const QString &folder, const QString &person);
    // The archive's "Zpráva o osobě…": reads the results files of person in folder as
    // ShowProgress does and offers their report, leaving this window as it is. Virtual for the
    // same reason.
    virtual void OfferReport(const QString &folder, const QString &person);

    // While the window shows the changed person: a renamed one under the new name, with the
    // tests of the person merged into; a deleted one no more (the window closes).
    virtual void ApplyPersonChange(const PersonChange &change);

    // Reading that takes longer than this shows a progress dialog; by default 300 ms.
    void SetProgressDialogAfter(std::chrono::milliseconds delay) { dialogAfter_ = delay; }
    // Replaces the printer setup dialog, which runs by default.
    void SetPrinterSetup(ChartWindow::PrinterSetup setup) { printer_.SetSetup(std::move(setup)); }

    ProgressChart &Chart() const { return *chart_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Print(const QRect &area);
    PersonReportDialog &ReportDialog();
    void ShowPointAt(const QPoint &viewportPosition, const QPoint &globalPosition);

    MessageSink &messages_;
    ProgressChart *chart_;
    QChartView *view_;
    QString folder_;
    QString person_;
    std::chrono::milliseconds dialogAfter_{300};
    bool reading_ = false;
    PagePrinter printer_;
    PersonReportDialog *report_ = nullptr; // made when first offered
    bool shownBefore_ = false;
};

// Builds the window directly, for a program that links Qt's chart and print modules.
std::unique_ptr<ProgressWindow> MakeProgressWindow(MessageSink &messages, QWidget *parent);

} // namespace vorlant
