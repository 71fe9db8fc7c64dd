#include "app/program.h"

#include "app/about_window.h"
#include "app/help_window.h"
#include "app/name_dialog.h"
#include "results/chart_window.h"

namespace vorlant {

Program::Program(MessageSink &messages, MainWindowOptions options)
    : messages_(messages), main_(std::make_unique<MainWindow>(messages, std::move(options)))
{
    QObject::connect(main_.get(), &MainWindow::FirstFrameShown, main_.get(),
                     [this] { CompleteStartUp(); });
}

Program::~Program() = default;

void Program::Show()
{
    main_->show();
}

void Program::CompleteStartUp()
{
    if (chart_)
        return;
    chart_ = std::make_unique<ChartWindow>(messages_);
    main_->CompleteStartUp(*chart_);
    MainWindow *main = main_.get();
    names_ = std::make_unique<NameDialog>(messages_,
                                          [main](const QString &name) { main->StartTest(name); });
    help_ = std::make_unique<HelpWindow>(
        [main] { return QString::fromStdString(main->Store().DataDirectory()); }, messages_);
    about_ = std::make_unique<AboutWindow>();
    main_->AttachWindows(*names_, *help_, *about_);
}

} // namespace vorlant
