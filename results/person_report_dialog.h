#pragma once

#include "results/csv_saving.h"
#include "results/page_printer.h"
#include "results/progress_chart.h"

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <chrono>
#include <system_error>
#include <vector>

class QLabel;
class QPlainTextEdit;

namespace vorlant {

class MessageSink;
struct PersonReport;

// "Zpráva o osobě": before the report of one person is made, the user may write a note for it,
// then saves the page as a PDF or prints it, as often as wanted, until closing the dialog.
// Created once by the window that offers it.
class PersonReportDialog : public QDialog
{
    Q_OBJECT

public:
    // Save and print failures, and a person without tests, are reported to messages.
    explicit PersonReportDialog(MessageSink &messages, QWidget *parent = nullptr);
    ~PersonReportDialog() override;

    // Runs the dialog for person's tests, with an empty note, until the user closes it. A
    // person without a test that has attempts gets a message instead.
    void Offer(const QString &person, std::vector<ProgressPoint> tests);

    // Replaces the save dialog of "Uložit jako PDF…", which runs by default.
    void SetPdfFileChooser(SaveFileChooser choose) { choosePdf_ = std::move(choose); }
    // Replaces the print dialog of "Tisk…", which runs by default.
    void SetPrinterSetup(PagePrinter::Setup setup) { printer_.SetSetup(std::move(setup)); }

    void setVisible(bool visible) override;

private:
    PersonReport Report() const;
    void SavePdf();
    void Print();

    MessageSink &messages_;
    QPlainTextEdit *note_;
    QLabel *status_;
    QString person_;
    std::vector<ProgressPoint> tests_;
    SaveFileChooser choosePdf_;
    PagePrinter printer_;
    bool placed_ = false;
};

// The report as a PDF: one A4 portrait page at 300 dpi, its text searchable.
QByteArray PersonReportPdf(const PersonReport &report);

// Saves the report's PDF at path the way results files are saved: complete or not at all.
bool SavePersonReportPdf(const QString &path, const PersonReport &report, std::error_code &error);

// Reads the tests of person in folder as the progress window does, a copy number left out of
// the name, and offers their report in dialog. Files that cannot be read are named in one
// message first. The reading shows its progress over readingParent; a reading the user
// cancelled offers nothing.
void OfferReportOfFolder(PersonReportDialog &dialog, MessageSink &messages, QWidget *readingParent,
                         const QString &folder, const QString &person,
                         std::chrono::milliseconds dialogAfter);

} // namespace vorlant
