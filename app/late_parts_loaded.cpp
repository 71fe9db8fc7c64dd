#include "app/late_parts.h"

#include "app/late_module.h"
#include "board/sound_player.h"
#include "results/chart_window.h"
#include "results/overview_window.h"
#include "results/progress_window.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QString>
#include <QStringList>

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

// Never unloaded: the objects it creates live until the program ends.
QFunctionPointer Resolve(const QString &folder, const char *symbol)
{
    QStringList errors;
    for (const QString &candidate : ModuleFolders(folder)) {
        QLibrary module(candidate + QStringLiteral("/vorlant_late"));
        if (QFunctionPointer function = module.resolve(symbol))
            return function;
        errors << module.errorString();
    }
    throw std::runtime_error(errors.join(u'\n').toStdString());
}

} // namespace

LateParts LoadedLateParts(const QString &folder)
{
    return {[folder](MessageSink &messages) {
                const auto create = reinterpret_cast<CreateChartWindowFunction>(
                    Resolve(folder, kCreateChartWindowSymbol));
                return std::unique_ptr<ChartWindow>(create(messages));
            },
            [folder](QObject *parent) {
                const auto create = reinterpret_cast<CreateSoundPlayerFunction>(
                    Resolve(folder, kCreateSoundPlayerSymbol));
                return create(parent);
            },
            [folder](MessageSink &messages, QWidget *parent) {
                const auto create = reinterpret_cast<CreateProgressWindowFunction>(
                    Resolve(folder, kCreateProgressWindowSymbol));
                return std::unique_ptr<ProgressWindow>(create(messages, parent));
            },
            [folder](MessageSink &messages, QWidget *parent) {
                const auto create = reinterpret_cast<CreateOverviewWindowFunction>(
                    Resolve(folder, kCreateOverviewWindowSymbol));
                return std::unique_ptr<OverviewWindow>(create(messages, parent));
            }};
}

} // namespace vorlant
