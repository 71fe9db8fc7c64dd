#pragma once

#include "engine/sequence.h"

#include <string>
#include <string_view>

namespace vorlant {

struct AttemptLog;

inline constexpr int kMinLength = 2;
inline constexpr int kMaxLength = kSequenceSlots;
inline constexpr int kMinStartLength = 2;
inline constexpr int kMaxStartLength = 6;
inline constexpr int kDefaultStartLength = 4;

// How the level rule reaches the screen and the speakers; the main window supplies it.
class LevelOutputs
{
public:
    virtual ~LevelOutputs() = default;
    // Puts the text into the length display.
    virtual void SetLengthText(const std::string &text) = 0;
    // Starts one of the sounds named in engine/sounds.h and returns without waiting for it.
    virtual void PlaySound(std::string_view name) = 0;
};

// Prepares the record at log.LogIndex for a new round: its length follows from the attempts
// before it (three successes at one level step up, three failures step down, never below 2
// nor above 50), success false, elapsedMs 0. Shows the length and plays "WAVE_UP" or
// "WAVE_DOWN" with a step. Touches nothing when LogIndex lies outside the log.
void ApplyLevelRule(AttemptLog &log, LevelOutputs &outputs);

} // namespace vorlant
