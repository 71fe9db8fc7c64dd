// The module "vorlant_late": the chart window, the progress and overview windows and the sound
// player with Qt's chart, print and multimedia modules behind them, loaded by the program after
// its first frame.
#include "app/late_module.h"

#include "build_identity.h"

#include "board/sound_player.h"
#include "results/chart_window.h"
#include "results/overview_window.h"
#include "results/progress_window.h"

#include <QtGlobal>

#include <type_traits>

extern "C" Q_DECL_EXPORT const char *VorlantLateModuleBuild()
{
    return VORLANT_BUILD_IDENTITY;
}

extern "C" Q_DECL_EXPORT vorlant::ChartWindow *
VorlantCreateChartWindow(vorlant::MessageSink &messages)
{
    return new vorlant::ChartWindow(messages);
}

extern "C" Q_DECL_EXPORT vorlant::SoundPlayer *VorlantCreateSoundPlayer(QObject *parent)
{
    return new vorlant::SoundPlayer(parent);
}

extern "C" Q_DECL_EXPORT vorlant::ProgressWindow *
VorlantCreateProgressWindow(vorlant::MessageSink &messages, QWidget *parent)
{
    return new vorlant::ProgressWindow(messages, parent);
}

extern "C" Q_DECL_EXPORT vorlant::OverviewWindow *
VorlantCreateOverviewWindow(vorlant::MessageSink &messages, QWidget *parent)
{
    return new vorlant::OverviewWindow(messages, parent);
}

// The entry points' types must match what the program expects.
static_assert(std::is_same_v<decltype(&VorlantLateModuleBuild), vorlant::ModuleBuildFunction>);
static_assert(
    std::is_same_v<decltype(&VorlantCreateChartWindow), vorlant::CreateChartWindowFunction>);
static_assert(
    std::is_same_v<decltype(&VorlantCreateSoundPlayer), vorlant::CreateSoundPlayerFunction>);
static_assert(
    std::is_same_v<decltype(&VorlantCreateProgressWindow), vorlant::CreateProgressWindowFunction>);
static_assert(
    std::is_same_v<decltype(&VorlantCreateOverviewWindow), vorlant::CreateOverviewWindowFunction>);
