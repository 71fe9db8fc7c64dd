#include "board/media.h"
#include "board/sound_player.h"
#include "board/wave_format.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

namespace vorlant {
namespace {

std::string Le(std::uint32_t value, int width)
{
    std::string bytes;
    for (int i = 0; i < width; ++i)
        bytes += char((value >> (8 * i)) & 0xFF);
    return bytes;
}

std::string Chunk(const std::string &tag, const std::string &body)
{
    return tag + Le(std::uint32_t(body.size()), 4) + body + std::string(body.size() % 2, '\0');
}

std::string Format(int tag, int channels, int rate, int bits, int blockAlign = 0)
{
    blockAlign = blockAlign ? blockAlign : channels * bits / 8;
    return Chunk("fmt ", Le(tag, 2) + Le(channels, 2) + Le(rate, 4) + Le(rate * blockAlign, 4) +
                             Le(blockAlign, 2) + Le(bits, 2));
}

std::string Riff(const std::string &chunks)
{
    return "RIFF" + Le(std::uint32_t(4 + chunks.size()), 4) + "WAVE" + chunks;
}

TEST(ParseWave, FindsTheSamplesOfAnyPlayableImageAndRejectsMalformedOnes)
{
    const std::string stereo = Format(1, 2, 44100, 16), data = Chunk("data", std::string(32, 1));
    struct Case
    {
        const char *what;
        std::string image;
        std::size_t dataOffset = 0, frames = 0; // no offset: rejected
    };
    const Case cases[] = {
        {"WAVE_UP", MediaBytes("WAVE_UP").toStdString(), 44, 113409},
        {"WAVE_ERR", MediaBytes("WAVE_ERR").toStdString(), 44, 76121},
        // RIFF header 12, LIST 8 + 7 + pad, fmt 8 + 16, data header 8.
        {"other chunks, odd sizes padded",
         Riff(Chunk("LIST", "1234567") + stereo + data + Chunk("LIST", "tail")), 60, 8},
        // The data chunk claims 1000 bytes; 10 follow, two whole 4-byte frames.
        {"data cut short", Riff(stereo) + "data" + Le(1000, 4) + std::string(10, 2), 44, 2},
        {"empty", ""},
        {"not RIFF", "RIFX" + Riff(stereo + data).substr(4)},
        {"no format chunk", Riff(data)},
        {"format chunk too short", Riff(Chunk("fmt ", stereo.substr(8, 14)) + data)},
        {"format chunk runs past the end", Riff(data + "fmt " + Le(100, 4) + stereo.substr(8))},
        {"IEEE float", Riff(Format(3, 2, 44100, 32) + data)},
        {"block align off", Riff(Format(1, 2, 44100, 16, 3) + data)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const auto format = ParseWave({c.image.data(), c.image.size()});
        ASSERT_EQ(format.has_value(), c.dataOffset != 0);
        if (format) {
            EXPECT_EQ(std::tuple(format->channels, format->sampleRate, format->bitsPerSample),
                      std::tuple(2, 44100, 16));
            EXPECT_EQ(format->dataOffset, c.dataOffset);
            EXPECT_EQ(format->dataSize, c.frames * 4); // whole 4-byte frames only
        }
    }
}

// One output per sound, made once when the player is created; plays only start them again
// and each new sound cuts off the one before. Without a sound card (as under CI) there are no
// outputs and every call returns at once; either way no name, known or not, breaks anything.
TEST(SoundPlayer, FindsTheThreeSoundsAndPlaysAnyNameOnOutputsMadeOnce)
{
    SoundPlayer player;
    for (const char *name : {"WAVE_UP", "WAVE_DOWN", "WAVE_ERR"})
        EXPECT_TRUE(player.isLoaded(name)) << name;
    const int outputs = QMediaDevices::defaultAudioOutput().isNull() ? 0 : 3;
    EXPECT_EQ(player.outputCount(), outputs);
    for (const char *name : {"WAVE_UP", "WAVE_ERR", "no such sound", "", "WAVE_DOWN"})
        player.play(name);
    EXPECT_EQ(player.outputCount(), outputs);
    QTest::qWait(20);
    player.play("WAVE_ERR");
} // destroyed while a sound may still be playing

} // namespace
} // namespace vorlant
