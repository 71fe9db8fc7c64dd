#include "app/program.h"

#include "app/about_window.h"
#include "app/help_window.h"
#include "app/name_dialog.h"
#include "results/chart_window.h"

namespace vorlant {

Program::Program(MessageSink &messages, MainWindowOptions options)
    : chart_(std::make_unique<ChartWindow>(messages)),
      main_(std::make_unique<MainWindow>(messages, *chart_, std::move(options))),
      names_(std::make_unique<NameDialog>(
          messages, [main = main_.get()](const QString &name) { main->StartTest(name); })),
      help_(std::make_unique<HelpWindow>(
          [main = main_.get()] { return QString::fromStdString(main->Store().DataDirectory()); },
          messages)),
      about_(std::make_unique<AboutWindow>())
{
    main_->AttachWindows(*names_, *help_, *about_);
}

Program::~Program() = default;

void Program::Show()
{
    main_->show();
}

} // namespace vorlant
