#include "engine_rig.h"

#include "engine/attempt_log.h"
#include "engine/level_rule.h"

namespace vorlant {
namespace {

using testing::Calls;
using testing::EngineRig;

struct RuleCase
{
    const char *name;
    int startLength;          // record 0's length before the first round
    std::string outcomes;     // 'S' or 'F' for each completed attempt
    std::vector<int> lengths; // every record's length, the new attempt's last
    std::string sounds;       // 'U' for each "WAVE_UP", 'D' for each "WAVE_DOWN"
};

class LevelRuleRun : public ::testing::TestWithParam<RuleCase>
{};

// Plays the outcomes through the rule as the rounds of one test do, then starts one more round.
TEST_P(LevelRuleRun, LengthsAndSoundsFollowTheOutcomes)
{
    const RuleCase &c = GetParam();
    AttemptLog log;
    log.records[0].length = c.startLength;
    EngineRig outputs;
    std::vector<int> lengths;
    for (int n = 0; n <= static_cast<int>(c.outcomes.size()); ++n) {
        log.LogIndex = n;
        log.records[n] = {log.records[n].length, true, 99}; // stale values the rule must replace
        ApplyLevelRule(log, outputs);
        EXPECT_EQ(log.records[n], (AttemptRecord{log.records[n].length, false, 0}));
        // Every round shows its length, the first four as well.
        EXPECT_EQ(outputs.Last("LengthText "), std::to_string(log.records[n].length)) << n;
        lengths.push_back(log.records[n].length);
        log.records[n].success = n < static_cast<int>(c.outcomes.size()) && c.outcomes[n] == 'S';
    }
    EXPECT_EQ(lengths, c.lengths);
    std::string sounds;
    for (const std::string &sound : outputs.sounds)
        sounds += sound == "WAVE_UP" ? 'U' : sound == "WAVE_DOWN" ? 'D' : '?';
    EXPECT_EQ(sounds, c.sounds);
}

INSTANTIATE_TEST_SUITE_P(
    Trajectories, LevelRuleRun,
    ::testing::Values(
        RuleCase{"WorkedExampleFourthOutcomeDoesNotCount", 4, "SSSF", {4, 4, 4, 4, 5}, "U"},
        RuleCase{"NoStartingLengthChosenStartsAtFour", 0, "", {4}, ""},
        RuleCase{"StartingLengthAboveSixBecomesFour", 7, "", {4}, ""},
        RuleCase{"ThreeFailuresAtTwoStayAtTwoWithSound", 2, "FFFS", {2, 2, 2, 2, 2}, "D"},
        RuleCase{"ThreeFailuresStepDown", 4, "FFFS", {4, 4, 4, 4, 3}, "D"},
        RuleCase{"StepUpWaitsForFourRecords", 2, "SSSSSSSS", {2, 2, 2, 2, 3, 3, 3, 3, 4}, "UU"},
        RuleCase{"StepDownWaitsForFourRecords", 4, "SSSFFFFF", {4, 4, 4, 4, 5, 5, 5, 5, 4}, "UD"},
        RuleCase{"MixedOutcomesNeverMove", 3, "SFSFSSFFSF", {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LevelRule, ThreeSuccessesAtFiftyStayAtFiftyWithoutSound)
{
    AttemptLog log;
    for (int n = 0; n < 4; ++n)
        log.records[n] = {kMaxLength, true, 1000};
    log.LogIndex = 4;
    EngineRig outputs;
    ApplyLevelRule(log, outputs);
    EXPECT_EQ(log.records[4], (AttemptRecord{50, false, 0}));
    EXPECT_EQ(outputs.calls, (Calls{"LengthText 50"}));
}

// Whatever the records before hold (a cleared record, a damaged log), the new length lies in
// 2 .. 50, the lengths a sequence can have.
TEST(LevelRule, NeverWritesALengthOutsideTwoToFifty)
{
    const struct
    {
        const char *name;
        std::vector<AttemptRecord> before;
        int length;
    } cases[] = {
        {"cleared record before the second attempt", {{0, false, 0}}, 2},
        {"cleared record before the fifth",
         {{4, true, 1}, {4, true, 1}, {4, true, 1}, {0, false, 0}},
         2},
        {"four cleared records, three successes",
         {{0, true, 0}, {0, true, 0}, {0, true, 0}, {}},
         2},
        {"length beyond the sequence", {{4, true, 1}, {80, true, 1}}, 50},
        {"four beyond the sequence, three successes",
         {{70, true, 1}, {70, true, 1}, {70, true, 1}, {70, true, 1}},
         50},
    };
    for (const auto &c : cases) {
        AttemptLog log;
        std::copy(c.before.begin(), c.before.end(), log.records.begin());
        log.LogIndex = static_cast<int>(c.before.size());
        EngineRig outputs;
        ApplyLevelRule(log, outputs);
        EXPECT_EQ(log.records[log.LogIndex].length, c.length) << c.name;
        EXPECT_EQ(outputs.Last("LengthText "), std::to_string(c.length)) << c.name;
    }
}

} // namespace
} // namespace vorlant
