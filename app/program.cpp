#include "app/program.h"

#include "app/about_window.h"
#include "app/error_guard.h"
#include "app/help_window.h"
#include "app/name_dialog.h"
#include "app/window_closing.h"
#include "results/chart_window.h"

#include <QTimer>

namespace vorlant {
namespace {

constexpr int kLatestStartUpMs = 300;

} // namespace

Program::Program(MessageSink &messages, LateParts late, MainWindowOptions options)
    : messages_(messages), late_(std::move(late)),
      main_(std::make_unique<MainWindow>(messages, std::move(options)))
{
    QObject::connect(main_.get(), &MainWindow::FirstFrameShown, main_.get(),
                     [this] { CompleteStartUp(); });
    QObject::connect(main_.get(), &MainWindow::StartUpNeeded, main_.get(),
                     [this] { CompleteStartUp(); });
    // The program ends with its main window, whatever else waits: a box, a dialog over the main
    // window (closed by a signal), a reading of many files. Queued: the window's own close
    // ends first.
    QObject::connect(main_.get(), &MainWindow::Closed, main_.get(), &CloseEveryWindow,
                     Qt::QueuedConnection);
}

Program::~Program() = default;

void Program::Show()
{
    main_->show();
    // A window that the window system never exposes (started minimised, on another
    // desktop) still completes its start-up, a moment later.
    QTimer::singleShot(kLatestStartUpMs, main_.get(), [this] { CompleteStartUp(); });
}

void Program::EndBySignal()
{
    main_->EndBySignal();
}

void Program::CompleteStartUp()
{
    if (startUpComplete_)
        return;
    startUpComplete_ = true;
    // Without the module's code one message says so, once the rest of the start-up has run;
    // everything else works without it.
    const QString unusable = late_.load ? late_.load() : QString();
    if (!unusable.isEmpty())
        late_ = {};
    else
        RunReportingErrors(messages_, [this] { chart_ = late_.createChart(messages_); });
    main_->CompleteStartUp(chart_.get(), late_);
    MainWindow *main = main_.get();
    names_ = std::make_unique<NameDialog>(messages_,
                                          [main](const QString &name) { main->StartTest(name); });
    help_ = std::make_unique<HelpWindow>(
        [main] { return QString::fromStdString(main->Store().DataDirectory()); }, messages_);
    about_ = std::make_unique<AboutWindow>();
    main_->AttachWindows(*names_, *help_, *about_);
    if (!unusable.isEmpty())
        messages_.Error(unusable.toStdString());
}

} // namespace vorlant
