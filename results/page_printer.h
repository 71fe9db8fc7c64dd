#pragma once

#include <QString>

#include <functional>
#include <memory>

class QPrintDialog;
class QPrinter;
class QWidget;

namespace vorlant {

class MessageSink;

// The printer a window prints its one page on. The user sets it up in the print dialog each
// time; the printer is kept for the run, so the user's settings last (after a failed print in
// a fresh printer that takes them over).
class PagePrinter
{
public:
    // Lets the user choose and set up the printer; false when the user cancelled.
    using Setup = std::function<bool(QPrinter &)>;
    // Prints the page; returns the error text, empty on success.
    using PrintPageOn = std::function<QString(QPrinter &)>;

    // The print dialog belongs to dialogParent, which must outlive this printer.
    explicit PagePrinter(QWidget &dialogParent);
    ~PagePrinter();
    PagePrinter(const PagePrinter &) = delete;
    PagePrinter &operator=(const PagePrinter &) = delete;

    // Replaces the print dialog, which runs by default.
    void SetSetup(Setup setup) { setup_ = std::move(setup); }

    // Runs the setup, then prints unless the user cancelled; a failure goes to messages as an
    // error.
    void Print(MessageSink &messages, const PrintPageOn &print);

private:
    bool RunPrintDialog(QPrinter &printer);

    QWidget &dialogParent_;
    std::unique_ptr<QPrinter> printer_;
    QPrintDialog *dialog_ = nullptr;
    Setup setup_;
};

} // namespace vorlant
