#include "app/late_parts.h"

#include "app/late_module.h"
#include "board/sound_player.h"
#include "results/chart_window.h"
#include "results/overview_window.h"
#include "results/progress_window.h"

#include "build_identity.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cstring>
#include <memory>
#include <stdexcept>

#include <dlfcn.h>

namespace vorlant {
namespace {

QString Tr(const char *text)
{
    return QCoreApplication::translate("LateParts", text);
}

// Where the module may lie: beside the executable (the build folder, a portable copy),
// else where the installation puts it, relative to the executable's folder.
QStringList ModuleFolders(const QStringList &folders)
{
    if (!folders.isEmpty())
        return folders;
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder, programFolder + u'/' + QStringLiteral(VORLANT_INSTALLED_MODULE_DIR)};
}

// What the loader said last, without the file's name it puts in front.
QString LoaderReason(const QByteArray &file)
{
    const char *said = ::dlerror();
    QString reason = QString::fromLocal8Bit(said ? said : "?");
    const QString prefix = QFile::decodeName(file) + QStringLiteral(": ");
    if (reason.startsWith(prefix))
        reason.remove(0, prefix.size());
    return reason;
}

// The module, loaded once and never unloaded: the objects it creates live until the end.
struct Module
{
    QStringList folders;
    void *handle = nullptr;

    // What keeps the module from being used, for the user; empty when it is loaded.
    QString Load()
    {
        QStringList paths;
        for (const QString &folder : folders)
            paths << QFileInfo(folder + u'/' + QLatin1String(kModuleFileName)).absoluteFilePath();
        QStringList refusals;
        for (const QString &path : paths) {
            if (!QFileInfo(path).isFile())
                continue;
            const QString refusal = Open(path);
            if (refusal.isEmpty())
                return {};
            refusals << refusal;
        }
        if (refusals.isEmpty())
            refusals << Tr(QT_TRANSLATE_NOOP("LateParts", "Soubor %1 chybí."))
                            .arg(paths.join(Tr(QT_TRANSLATE_NOOP("LateParts", " ani "))));
        refusals << Tr(QT_TRANSLATE_NOOP(
            "LateParts", "Grafy, vývoj výsledků, přehled osob a zvuky nejsou k dispozici."));
        return refusals.join(u'\n');
    }

    // Loads the module at path if it belongs to this build; else says why not.
    QString Open(const QString &path)
    {
        const QByteArray file = QFile::encodeName(path);
        // Every symbol is bound now, so that a module missing one is refused here, not later.
        void *opened = ::dlopen(file.constData(), RTLD_NOW | RTLD_LOCAL);
        if (!opened)
            return Tr(QT_TRANSLATE_NOOP("LateParts", "Soubor %1 nelze zavést: %2"))
                .arg(path, LoaderReason(file));
        // A module that did load stays loaded even when refused: its code may have registered
        // itself with Qt.
        const auto build =
            reinterpret_cast<ModuleBuildFunction>(::dlsym(opened, kModuleBuildSymbol));
        if (!build)
            return Tr(QT_TRANSLATE_NOOP("LateParts", "Soubor %1 nepatří k tomuto programu."))
                .arg(path);
        if (std::strcmp(build(), VORLANT_BUILD_IDENTITY) != 0)
            return Tr(QT_TRANSLATE_NOOP("LateParts", "Soubor %1 patří k jinému sestavení programu "
                                                     "(%2, tento program je %3)."))
                .arg(path, QString::fromUtf8(build()), QStringLiteral(VORLANT_BUILD_IDENTITY));
        handle = opened;
        return {};
    }

    QFunctionPointer Resolve(const char *symbol)
    {
        if (void *function = ::dlsym(handle, symbol))
            return reinterpret_cast<QFunctionPointer>(function);
        const char *said = ::dlerror();
        throw std::runtime_error(said ? said : symbol);
    }
};

} // namespace

LateParts LoadedLateParts(const QStringList &folders)
{
    auto module = std::make_shared<Module>();
    module->folders = ModuleFolders(folders);
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
