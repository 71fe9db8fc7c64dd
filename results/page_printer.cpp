#include "results/page_printer.h"

#include "engine/message_sink.h"

#include <QPrintDialog>
#include <QPrinter>

namespace vorlant {
namespace {

// A new printer set up as printer is.
std::unique_ptr<QPrinter> FreshCopy(const QPrinter &printer)
{
    auto fresh = std::make_unique<QPrinter>(QPrinter::HighResolution);
    fresh->setOutputFormat(printer.outputFormat());
    if (printer.outputFormat() == QPrinter::NativeFormat)
        fresh->setPrinterName(printer.printerName());
    fresh->setOutputFileName(printer.outputFileName());
    fresh->setResolution(printer.resolution());
    fresh->setPageLayout(printer.pageLayout());
    fresh->setCopyCount(printer.copyCount());
    fresh->setCollateCopies(printer.collateCopies());
    fresh->setColorMode(printer.colorMode());
    fresh->setDuplex(printer.duplex());
    fresh->setPageOrder(printer.pageOrder());
    return fresh;
}

} // namespace

PagePrinter::PagePrinter(QWidget &dialogParent)
    : dialogParent_(dialogParent),
      setup_([this](QPrinter &printer) { return RunPrintDialog(printer); })
{}

PagePrinter::~PagePrinter()
{
    delete dialog_; // before the printer it works on
}

void PagePrinter::Print(MessageSink &messages, const PrintPageOn &print)
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!setup_(*printer_))
        return;
    const QString error = print(*printer_);
    if (error.isEmpty())
        return;
    // Qt's PDF writer stays broken after a write failed, and later jobs write nothing: the
    // next print takes a fresh printer with the same settings.
    printer_ = FreshCopy(*printer_);
    delete dialog_; // it belongs to the printer it was made for
    dialog_ = nullptr;
    messages.Error(error.toStdString());
}

bool PagePrinter::RunPrintDialog(QPrinter &printer)
{
    if (!dialog_)
        dialog_ = new QPrintDialog(&printer, &dialogParent_);
    return dialog_->exec() == QDialog::Accepted;
}

} // namespace vorlant
