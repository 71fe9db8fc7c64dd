#include "results/page_printer.h"

#include "engine/message_sink.h"

#include <QPrintDialog>
#include <QPrinter>

namespace vorlant {

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
    if (!error.isEmpty())
        messages.Error(error.toStdString());
}

bool PagePrinter::RunPrintDialog(QPrinter &printer)
{
    if (!dialog_)
        dialog_ = new QPrintDialog(&printer, &dialogParent_);
    return dialog_->exec() == QDialog::Accepted;
}

} // namespace vorlant
