#include "board/wave_format.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vorlant {

namespace {

constexpr std::size_t kRiffHeaderSize = 12;
constexpr std::size_t kChunkHeaderSize = 8;
constexpr std::size_t kPcmFormatSize = 16;
constexpr std::size_t kExtensibleFormatSize = 40;
constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;

std::uint32_t ReadLe(std::span<const char> bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | std::uint8_t(bytes[at + std::size_t(i)]);
    return value;
}

bool HasTag(std::span<const char> bytes, std::size_t at, const char (&tag)[5])
{
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

// Fills the format fields from a "fmt " chunk body; false for anything but usable PCM.
bool ReadFormat(std::span<const char> body, WaveFormat &format)
{
    if (body.size() < kPcmFormatSize)
        return false;
    std::uint16_t tag = std::uint16_t(ReadLe(body, 0, 2));
    if (tag == kFormatExtensible && body.size() >= kExtensibleFormatSize)
        tag = std::uint16_t(ReadLe(body, 24, 2)); // the sub-format's leading code
    const std::uint32_t channels = ReadLe(body, 2, 2);
    const std::uint32_t rate = ReadLe(body, 4, 4);
    const std::uint32_t blockAlign = ReadLe(body, 12, 2);
    const std::uint32_t bits = ReadLe(body, 14, 2);
    const bool usable = tag == kFormatPcm && channels >= 1 && channels <= 8 && rate >= 1 &&
                        rate <= 384000 && (bits == 8 || bits == 16 || bits == 32) &&
                        blockAlign == channels * bits / 8;
    if (!usable)
        return false;
    format.channels = int(channels);
    format.sampleRate = int(rate);
    format.bitsPerSample = int(bits);
    return true;
}

} // namespace

std::optional<WaveFormat> ParseWave(std::span<const char> image)
{
    if (image.size() < kRiffHeaderSize || !HasTag(image, 0, "RIFF") || !HasTag(image, 8, "WAVE"))
        return std::nullopt;
    WaveFormat format;
    bool haveFormat = false, haveData = false;
    std::size_t at = kRiffHeaderSize;
    while (!(haveFormat && haveData) && image.size() - at >= kChunkHeaderSize) {
        const std::size_t size = ReadLe(image, at + 4, 4);
        const std::size_t body = at + kChunkHeaderSize;
        const std::size_t available = image.size() - body;
        if (HasTag(image, at, "data")) {
            format.dataOffset = body;
            format.dataSize = std::min(size, available);
            haveData = true;
        } else if (size > available) {
            return std::nullopt;
        } else if (HasTag(image, at, "fmt ")) {
            if (!ReadFormat(image.subspan(body, size), format))
                return std::nullopt;
            haveFormat = true;
        }
        if (size >= available)
            break;
        at = body + size + (size & 1); // chunks are padded to an even length
    }
    if (!haveFormat || !haveData)
        return std::nullopt;
    format.dataSize -= format.dataSize % format.frameSize();
    return format;
}

} // namespace vorlant
