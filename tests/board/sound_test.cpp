#include "board/sound_player.h"

#include <QTest>

#include <gtest/gtest.h>

namespace vorlant {
namespace {

TEST(SoundPlayer, FindsTheThreeEmbeddedSounds)
{
    SoundPlayer player;
    for (const char *name : {"WAVE_UP", "WAVE_DOWN", "WAVE_ERR"})
        EXPECT_TRUE(player.isLoaded(name)) << name;
    EXPECT_FALSE(player.isLoaded("WAVE_BEEP"));
    EXPECT_FALSE(player.isLoaded("DATA_1"));
}

// Without a sound card (as under CI) every call returns and nothing breaks; with one, each new
// sound cuts off the one before.
TEST(SoundPlayer, PlaysCutsOffAndIgnoresUnknownNamesWithoutFailing)
{
    SoundPlayer player;
    player.play("WAVE_UP");
    player.play("WAVE_ERR");
    QTest::qWait(20);
    player.play("WAVE_DOWN");
    player.play("no such sound");
    player.play("");
    QTest::qWait(20);
    player.play("WAVE_ERR");
    EXPECT_TRUE(player.isLoaded("WAVE_ERR"));
} // destroyed while a sound may still be playing

} // namespace
} // namespace vorlant
