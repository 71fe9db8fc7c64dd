#pragma once

class QObject;
class QWidget;

namespace vorlant {

class ChartWindow;
class MessageSink;
class OverviewWindow;
class ProgressWindow;
class SoundPlayer;

// The entry points of the module "vorlant_late" (late_module.cpp).
using CreateChartWindowFunction = ChartWindow *(*)(MessageSink &messages);
using CreateSoundPlayerFunction = SoundPlayer *(*)(QObject *parent);
using CreateProgressWindowFunction = ProgressWindow *(*)(MessageSink &messages, QWidget *parent);
using CreateOverviewWindowFunction = OverviewWindow *(*)(MessageSink &messages, QWidget *parent);
inline constexpr const char *kCreateChartWindowSymbol = "VorlantCreateChartWindow";
inline constexpr const char *kCreateSoundPlayerSymbol = "VorlantCreateSoundPlayer";
inline constexpr const char *kCreateProgressWindowSymbol = "VorlantCreateProgressWindow";
inline constexpr const char *kCreateOverviewWindowSymbol = "VorlantCreateOverviewWindow";
// The build of the program the module belongs to (version and hash); the program uses only a
// module of its own build.
using ModuleBuildFunction = const char *(*)();
inline constexpr const char *kModuleBuildSymbol = "VorlantLateModuleBuild";
inline constexpr const char *kModuleFileName = "libvorlant_late.so";

} // namespace vorlant
