#include "app/application.h"

#include "app/czech_translations.h"
#include "app/error_guard.h"

#include <QIcon>

namespace vorlant {

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    InstallCzechTranslations(*this);
    setQuitOnLastWindowClosed(false);
}

void Application::SetProgramIcon()
{
    setWindowIcon(QIcon(QStringLiteral(":/icons/vorlant.png")));
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    RunReportingErrors(errors_, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace vorlant
