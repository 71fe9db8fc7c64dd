#include "app/late_parts.h"

#include "app/late_module.h"
#include "board/sound_player.h"
#include "results/chart_window.h"
#include "results/overview_window.h"
#include "results/progress_window.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QString>
#include <QStringList>

#include <cstring>
#include <memory>
#include <stdexcept>

namespace vorlant {
namespace {

// Where the module may lie: beside the executable (the build folder, a portable copy),
// else where the installation puts it, relative to the executable's folder.
QStringList ModuleFolders(const QString &folder)
{
    if (!folder.isEmpty())
        return {folder};
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, programFolder + u'/' + QStringLiteral(VORLANT_INSTALLED_MODULE_DIR)};
}

// The module, loaded once and never unloaded: the objects it creates live until the end.
struct Module
{
    QStringList folders;
    QLibrary library;

    // What keeps the module from being used, for the user; empty when it is loaded.
    QString Load()
    {
        QStringList paths;
        for (const QString &folder : folders)
            paths << QFileInfo(folder + u'/' + QLatin1String(kModuleFileName)).absoluteFilePath();
        for (const QString &path : paths) {
            if (!QFileInfo(path).isFile())
                continue;
            library.setFileName(path);
            const auto version =
                reinterpret_cast<ModuleVersionFunction>(library.resolve(kModuleVersionSymbol));
            if (version && std::strcmp(version(), VORLANT_MODULE_VERSION) == 0)
                return {};
            return QCoreApplication::translate(
                       "LateParts", "Soubor %1 nepatří k této verzi programu (%2). Grafy, vývoj "
                                    "výsledků a zvuky nejsou k dispozici.")
                .arg(path, QStringLiteral(VORLANT_MODULE_VERSION));
        }
        return QCoreApplication::translate("LateParts",
                                           "Soubor %1 chybí. Grafy, vývoj výsledků a zvuky nejsou "
                                           "k dispozici.")
            .arg(paths.join(QCoreApplication::translate("LateParts", " ani ")));
    }

    QFunctionPointer Resolve(const char *symbol)
    {
        if (QFunctionPointer function = library.resolve(symbol))
            return function;
        throw std::runtime_error(library.errorString().toStdString());
    }
};

} // namespace

LateParts LoadedLateParts(const QString &folder)
{
    auto module = std::make_shared<Module>();
    module->folders = ModuleFolders(folder);
    return {[module] { return module->Load(); },
            [module](MessageSink &messages) {
                const auto create = reinterpret_cast<CreateChartWindowFunction>(
                    module->Resolve(kCreateChartWindowSymbol));
                return std::unique_ptr<ChartWindow>(create(messages));
            },
            [module](QObject *parent) {
                const auto create = reinterpret_cast<CreateSoundPlayerFunction>(
                    module->Resolve(kCreateSoundPlayerSymbol));
                return create(parent);
            },
            [module](MessageSink &messages, QWidget *parent) {
                const auto create = reinterpret_cast<CreateProgressWindowFunction>(
                    module->Resolve(kCreateProgressWindowSymbol));
                return std::unique_ptr<ProgressWindow>(create(messages, parent));
            },
            [module](MessageSink &messages, QWidget *parent) {
                const auto create = reinterpret_cast<CreateOverviewWindowFunction>(
                    module->Resolve(kCreateOverviewWindowSymbol));
                return std::unique_ptr<OverviewWindow>(create(messages, parent));
            }};
}

} // namespace vorlant
