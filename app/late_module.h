#pragma once

class QObject;

namespace vorlant {

class ChartWindow;
class MessageSink;
class SoundPlayer;

// The entry points of the module "vorlant_late" (late_module.cpp).
using CreateChartWindowFunction = ChartWindow *(*)(MessageSink &messages);
using CreateSoundPlayerFunction = SoundPlayer *(*)(QObject *parent);
inline constexpr const char *kCreateChartWindowSymbol = "VorlantCreateChartWindow";
inline constexpr const char *kCreateSoundPlayerSymbol = "VorlantCreateSoundPlayer";

} // namespace vorlant
