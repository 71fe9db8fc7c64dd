#include "fake_round_outputs.h"

#include "engine/attempt_log.h"
#include "engine/level_rule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorlant {
namespace {

using testing::FakeRoundOutputs;

struct RuleCase
{
    const char *name;
    int startLength;                  // record 0's length before the first round
    std::string outcomes;             // 'S' or 'F' for each completed attempt
    std::vector<int> expectedLengths; // every record's length, the new attempt's last
    std::vector<std::string> expectedSounds;
};

// Plays the outcomes through the rule as the rounds of one test do, then starts one more round.
class LevelRuleRun : public ::testing::TestWithParam<RuleCase>
{};

TEST_P(LevelRuleRun, LengthsAndSoundsFollowTheOutcomes)
{
    const RuleCase &c = GetParam();
    AttemptLog log;
    log.records[0].length = c.startLength;
    FakeRoundOutputs outputs;

    const int attempts = static_cast<int>(c.outcomes.size());
    for (int n = 0; n <= attempts; ++n) {
        log.LogIndex = n;
        log.records[n].success = true; // stale values the rule must replace
        log.records[n].elapsedMs = 99;
        ApplyLevelRule(log, outputs);
        EXPECT_FALSE(log.records[n].success);
        EXPECT_EQ(log.records[n].elapsedMs, 0);
        // The length display shows the new length at every round, the first four as well.
        EXPECT_EQ(outputs.lengthText, std::to_string(log.records[n].length)) << "attempt " << n;
        if (n < attempts)
            log.records[n].success = c.outcomes[n] == 'S';
    }

    std::vector<int> lengths;
    for (int n = 0; n <= attempts; ++n)
        lengths.push_back(log.records[n].length);
    EXPECT_EQ(lengths, c.expectedLengths);
    EXPECT_EQ(outputs.sounds, c.expectedSounds);
}

using Sounds = std::vector<std::string>;

INSTANTIATE_TEST_SUITE_P(
    Trajectories, LevelRuleRun,
    ::testing::Values(
        RuleCase{"WorkedExampleFourthOutcomeDoesNotCount", 4, "SSSF", {4, 4, 4, 4, 5}, {"WAVE_UP"}},
        RuleCase{"NoStartingLengthChosenStartsAtFour", 0, "", {4}, {}},
        RuleCase{"StartingLengthAboveSixBecomesFour", 7, "", {4}, {}},
        RuleCase{"StartingLengthOneBecomesFour", 1, "", {4}, {}},
        RuleCase{"StartingLengthSixStays", 6, "S", {6, 6}, {}},
        RuleCase{"ThreeFailuresAtTwoStayAtTwoWithSound", 2, "FFFS", {2, 2, 2, 2, 2}, {"WAVE_DOWN"}},
        RuleCase{"ThreeFailuresStepDown", 4, "FFFS", {4, 4, 4, 4, 3}, {"WAVE_DOWN"}},
        RuleCase{"TwoSuccessesKeepTheLength", 4, "SSFSF", {4, 4, 4, 4, 4, 4}, {}},
        RuleCase{"FirstFourAttemptsNeverChange", 5, "SSS", {5, 5, 5, 5}, {}},
        RuleCase{"StepDownWaitsFourRecordsAfterAStepUp",
                 4,
                 "SSSFFFFF",
                 {4, 4, 4, 4, 5, 5, 5, 5, 4},
                 {"WAVE_UP", "WAVE_DOWN"}},
        RuleCase{"MixedOutcomesNeverMove",
                 3,
                 "SFSFSSFFSFSFFSSF",
                 {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3},
                 {}},
        RuleCase{"SuccessesKeepClimbingEveryFourthRound",
                 2,
                 "SSSSSSSS",
                 {2, 2, 2, 2, 3, 3, 3, 3, 4},
                 {"WAVE_UP", "WAVE_UP"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LevelRule, StaysAtFiftyWithoutSoundAfterThreeSuccesses)
{
    AttemptLog log;
    for (int n = 0; n < 4; ++n)
        log.records[n] = {kMaxLength, true, 1000};
    log.LogIndex = 4;
    FakeRoundOutputs outputs;
    ApplyLevelRule(log, outputs);
    EXPECT_EQ(log.records[4].length, 50);
    EXPECT_TRUE(outputs.sounds.empty());
    EXPECT_EQ(outputs.lengthText, "50");

    // Three failures still step down from the top.
    for (int n = 0; n < 4; ++n)
        log.records[n].success = false;
    ApplyLevelRule(log, outputs);
    EXPECT_EQ(log.records[4].length, 49);
    EXPECT_EQ(outputs.sounds, (Sounds{"WAVE_DOWN"}));
}

TEST(LevelRule, LogIndexOutsideTheLogTouchesNothing)
{
    for (int index : {-1, kLogRecords, kLogRecords + 5}) {
        AttemptLog log;
        log.records[kLastRecord] = {7, true, 5};
        log.LogIndex = index;
        const AttemptLog before = log;
        FakeRoundOutputs outputs;
        ApplyLevelRule(log, outputs);
        EXPECT_EQ(log.records, before.records) << index;
        EXPECT_TRUE(outputs.calls.empty()) << index;
    }
}

TEST(LevelRule, WritesTheLastRecordOfTheLog)
{
    AttemptLog log;
    for (int n = kLastRecord - 4; n < kLastRecord; ++n)
        log.records[n] = {9, true, 10};
    log.LogIndex = kLastRecord;
    FakeRoundOutputs outputs;
    ApplyLevelRule(log, outputs);
    EXPECT_EQ(log.records[kLastRecord], (AttemptRecord{10, false, 0}));
}

} // namespace
} // namespace vorlant
