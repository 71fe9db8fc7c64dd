#pragma once

#include "app/late_parts.h"
#include "app/main_window.h"

#include <memory>

namespace vorlant {

class AboutWindow;
class ChartWindow;
class HelpWindow;
class MessageSink;
class NameDialog;

// The program's windows, each created once and living until the program ends. The main
// window comes first, with the part of its start-up that its first frame shows; once that
// frame is painted, the rest follows: the chart window, which the archive window that the
// main window's start-up creates needs, the rest of that start-up, then the name dialog,
// the help and the About window, hidden. The other windows are only shown and hidden; once the
// main window has closed, every other window closes too.
class Program
{
public:
    // The chart window and the sound player come from late.
    Program(MessageSink &messages, LateParts late, MainWindowOptions options = {});
    ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // Shows the main window; the program runs until it closes. The start-up completes
    // right after the first frame, or a moment later if no frame comes.
    void Show();

    // Completes the start-up now if it has not run yet; the windows below exist from here on
    // (the chart window unless it could not be created, which has been reported).
    void CompleteStartUp();

    // The session or the terminal asks the program to end (a signal): no question is asked.
    void EndBySignal();

    MainWindow &Main() const { return *main_; }
    ChartWindow &Chart() const { return *chart_; } // TForm3
    NameDialog &Names() const { return *names_; }  // TForm4
    HelpWindow &Help() const { return *help_; }    // TForm2
    AboutWindow &About() const { return *about_; } // TForm7

private:
    MessageSink &messages_;
    LateParts late_;
    bool startUpComplete_ = false;
    // Destroyed in reverse: the dialogs, then the main window, then the chart it refers to.
    std::unique_ptr<ChartWindow> chart_;
    std::unique_ptr<MainWindow> main_;
    std::unique_ptr<NameDialog> names_;
    std::unique_ptr<HelpWindow> help_;
    std::unique_ptr<AboutWindow> about_;
};

} // namespace vorlant
