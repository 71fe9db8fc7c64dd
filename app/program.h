#pragma once

#include "app/main_window.h"

#include <memory>

namespace vorlant {

class AboutWindow;
class ChartWindow;
class HelpWindow;
class MessageSink;
class NameDialog;

// The program's windows, each created once and living until the program ends: the main
// window (its start-up runs inside), then the name dialog, the help and the About window,
// hidden. The chart window comes first, hidden, as the archive window that the main
// window's start-up creates needs it. The other windows are only shown and hidden.
class Program
{
public:
    explicit Program(MessageSink &messages, MainWindowOptions options = {});
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Shows the main window; the program runs until it closes.
    void Show();

    MainWindow &Main() const { return *main_; }
    ChartWindow &Chart() const { return *chart_; } // TForm3
    NameDialog &Names() const { return *names_; }  // TForm4
    HelpWindow &Help() const { return *help_; }    // TForm2
    AboutWindow &About() const { return *about_; } // TForm7

private:
    // Destroyed in reverse: the dialogs, then the main window, then the chart it refers to.
    std::unique_ptr<ChartWindow> chart_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<NameDialog> names_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<AboutWindow> about_;
};

} // namespace vorlant
