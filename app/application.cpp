#include "app/application.h"

#include "app/error_guard.h"
#include "app/translations.h"

#include <QIcon>

namespace vorlant {
namespace {

// The icon the desktop shows for the program, in every size it is drawn in.
QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/vorlant.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    // The user's own folders are ~/.config/vorlant and ~/.local/share/vorlant, and the
    // desktop finds the window's entry vorlant.desktop.
    setApplicationName(QStringLiteral("vorlant"));
    setOrganizationName(QString());
    setDesktopFileName(QStringLiteral("vorlant"));
    InstallTranslations(*this, DesktopUiLanguage());
    setQuitOnLastWindowClosed(false);
}

void Application::SetProgramIcon()
{
    setWindowIcon(ProgramIcon());
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    bool handled = false;
    RunReportingErrors(errors_, [&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

} // namespace vorlant
