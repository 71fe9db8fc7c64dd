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
// The version of the program the module was built with; the program uses only its own.
using ModuleVersionFunction = const char *(*)();
inline constexpr const char *kModuleVersionSymbol = "VorlantLateModuleVersion";
inline constexpr const char *kModuleFileName = "libvorlant_late.so";

} // namespace vorlant
