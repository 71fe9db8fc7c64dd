#include "engine/level_rule.h"

#include "engine/attempt_log.h"
#include "engine/sounds.h"

#include <algorithm>

namespace vorlant {

namespace {

// The length that follows the completed attempts 0 .. n-1, and the sound announcing a step.
int NextLength(const LogRecords &records, int n, std::string_view &sound)
{
    if (n == 0) {
        const int start = records[0].length;
        return start < kMinStartLength || start > kMaxStartLength ? kDefaultStartLength : start;
    }
    const int previous = records[n - 1].length;
    if (n < 4)
        return previous;

    const bool sameLevel = records[n - 4].length == records[n - 3].length &&
                           records[n - 3].length == records[n - 2].length &&
                           records[n - 2].length == previous;
    if (!sameLevel)
        return previous;

    // The latest attempt only has to share the level; its outcome waits for the next window.
    const int successes = records[n - 4].success + records[n - 3].success + records[n - 2].success;
    if (successes == 3 && previous < kMaxLength) {
        sound = kSoundUp;
        return previous + 1;
    }
    if (successes == 0) {
        sound = kSoundDown;
        return previous > kMinLength ? previous - 1 : previous;
    }
    return previous;
}

} // namespace

void ApplyLevelRule(AttemptLog &log, LevelOutputs &outputs)
{
    const int n = log.LogIndex;
    if (n < 0 || n > kLastRecord)
        return;

    std::string_view sound;
    AttemptRecord &record = log.records[n];
    // A cleared or damaged record before this one must not give a sequence that cannot be shown.
    record.length = std::clamp(NextLength(log.records, n, sound), kMinLength, kMaxLength);
    record.success = false;
    record.elapsedMs = 0;

    outputs.SetLengthText(std::to_string(record.length));
    if (!sound.empty())
        outputs.PlaySound(sound);
}

} // namespace vorlant
