#include "board/media.h"
#include "board/wave_format.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace vorlant {
namespace {

std::span<const char> Span(const std::string &bytes)
{
    return {bytes.data(), bytes.size()};
}

std::string Le(std::uint32_t value, int width)
{
    std::string bytes;
    for (int i = 0; i < width; ++i)
        bytes += char((value >> (8 * i)) & 0xFF);
    return bytes;
}

std::string Chunk(const std::string &tag, const std::string &body)
{
    std::string chunk = tag + Le(std::uint32_t(body.size()), 4) + body;
    if (body.size() % 2)
        chunk += '\0';
    return chunk;
}

std::string FormatBody(int tag, int channels, int rate, int bits, int blockAlign = -1)
{
    if (blockAlign < 0)
        blockAlign = channels * bits / 8;
    return Le(std::uint32_t(tag), 2) + Le(std::uint32_t(channels), 2) + Le(std::uint32_t(rate), 4) +
           Le(std::uint32_t(rate * blockAlign), 4) + Le(std::uint32_t(blockAlign), 2) +
           Le(std::uint32_t(bits), 2);
}

std::string Riff(const std::string &chunks)
{
    return "RIFF" + Le(std::uint32_t(4 + chunks.size()), 4) + "WAVE" + chunks;
}

const std::string kStereo16 = FormatBody(1, 2, 44100, 16);
const std::string kEightFrames(32, '\x01');

TEST(ParseWave, ReadsTheEmbeddedSounds)
{
    struct Case
    {
        const char *name;
        std::size_t frames;
    };
    for (const Case &c :
         {Case{"WAVE_UP", 113409}, Case{"WAVE_DOWN", 113409}, Case{"WAVE_ERR", 76121}}) {
        SCOPED_TRACE(c.name);
        const QByteArray image = MediaBytes(c.name);
        ASSERT_FALSE(image.isEmpty());
        const auto format = ParseWave({image.constData(), std::size_t(image.size())});
        ASSERT_TRUE(format.has_value());
        EXPECT_EQ(format->channels, 2);
        EXPECT_EQ(format->sampleRate, 44100);
        EXPECT_EQ(format->bitsPerSample, 16);
        EXPECT_EQ(format->frameCount(), c.frames);
        EXPECT_LE(format->dataOffset + format->dataSize, std::size_t(image.size()));
    }
}

TEST(ParseWave, FindsTheSamplesInAnyValidLayout)
{
    // WAVE_FORMAT_EXTENSIBLE: the plain 16 bytes, then size, valid bits, channel mask, GUID.
    const std::string extensible = FormatBody(0xFFFE, 2, 48000, 16) + Le(22, 2) + Le(16, 2) +
                                   Le(3, 4) + Le(1, 2) + std::string(14, '\0');
    struct Case
    {
        const char *what;
        std::string image;
        std::size_t dataOffset, frames;
        int rate;
    };
    const Case cases[] = {
        // RIFF header 12, LIST 8 + 7 + pad, fmt 8 + 16, junk 8 + 3 + pad, data header 8.
        {"other chunks, odd sizes padded",
         Riff(Chunk("LIST", std::string(7, 'x')) + Chunk("fmt ", kStereo16) + Chunk("junk", "abc") +
              Chunk("data", kEightFrames) + Chunk("LIST", "tail")),
         12 + 16 + 24 + 12 + 8, 8, 44100},
        {"data before format", Riff(Chunk("data", kEightFrames) + Chunk("fmt ", kStereo16)), 20, 8,
         44100},
        {"extensible PCM", Riff(Chunk("fmt ", extensible) + Chunk("data", kEightFrames)), 68, 8,
         48000},
        // The data chunk claims 1000 bytes; 10 follow, two whole 4-byte frames.
        {"data cut short",
         Riff(Chunk("fmt ", kStereo16)) + "data" + Le(1000, 4) + std::string(10, '\2'), 44, 2,
         44100},
    };
    for (const Case &c : cases) {
        const auto format = ParseWave(Span(c.image));
        ASSERT_TRUE(format.has_value()) << c.what;
        EXPECT_EQ(format->dataOffset, c.dataOffset) << c.what;
        EXPECT_EQ(format->frameCount(), c.frames) << c.what;
        EXPECT_EQ(format->dataSize, c.frames * 4) << c.what;
        EXPECT_EQ(format->sampleRate, c.rate) << c.what;
    }
}

TEST(ParseWave, RejectsMalformedImages)
{
    const std::string data = Chunk("data", kEightFrames);
    struct Case
    {
        const char *what;
        std::string image;
    };
    const Case cases[] = {
        {"empty", ""},
        {"shorter than the RIFF header", std::string("RIFF\x04\0\0\0WA", 10)},
        {"not RIFF", "RIFX" + Riff(Chunk("fmt ", kStereo16) + data).substr(4)},
        {"not WAVE", "RIFF" + Le(4, 4) + "AVI " + Chunk("fmt ", kStereo16) + data},
        {"no format chunk", Riff(data)},
        {"no data chunk", Riff(Chunk("fmt ", kStereo16))},
        {"format chunk too short", Riff(Chunk("fmt ", kStereo16.substr(0, 14)) + data)},
        {"format chunk runs past the end", Riff(data + "fmt " + Le(16, 4) + "short")},
        {"other chunk runs past the end", Riff("LIST" + Le(99, 4) + "abc")},
        {"IEEE float", Riff(Chunk("fmt ", FormatBody(3, 2, 44100, 32)) + data)},
        {"24-bit samples", Riff(Chunk("fmt ", FormatBody(1, 2, 44100, 24)) + data)},
        {"no channels", Riff(Chunk("fmt ", FormatBody(1, 0, 44100, 16)) + data)},
        {"rate 0", Riff(Chunk("fmt ", FormatBody(1, 2, 0, 16)) + data)},
        {"block align off", Riff(Chunk("fmt ", FormatBody(1, 2, 44100, 16, 3)) + data)},
        {"truncated chunk header", Riff(Chunk("fmt ", kStereo16) + "dat")},
    };
    for (const Case &c : cases)
        EXPECT_FALSE(ParseWave(Span(c.image)).has_value()) << c.what;
}

} // namespace
} // namespace vorlant
