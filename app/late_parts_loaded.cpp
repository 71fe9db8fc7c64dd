#include "app/late_parts.h"

#include "app/late_module.h"
#include "board/sound_player.h"
#include "results/chart_window.h"
#include "results/progress_window.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QString>

#include <stdexcept>

namespace vorlant {
namespace {

// Never unloaded: the objects it creates live until the program ends.
QFunctionPointer Resolve(const QString &folder, const char *symbol)
{
    QLibrary module((folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder) +
                    QStringLiteral("/vorlant_late"));
    if (QFunctionPointer function = module.resolve(symbol))
        return function;
    throw std::runtime_error(module.errorString().toStdString());
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
            }};
}

} // namespace vorlant
