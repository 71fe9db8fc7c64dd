#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace vorlant {

// Where the samples of an uncompressed PCM RIFF WAVE image lie, and how to play them.
struct WaveFormat
{
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;      // 8, 16 or 32
    std::size_t dataOffset = 0; // first sample byte, from the start of the image
    std::size_t dataSize = 0;   // whole frames only

    std::size_t frameSize() const { return std::size_t(channels) * std::size_t(bitsPerSample / 8); }
    std::size_t frameCount() const { return dataSize / frameSize(); }
};

// Reads the format and data chunks of a WAVE image, skipping any others (LIST and the like).
// A data chunk that claims more bytes than the image holds is cut to what is there.
// Nothing for anything but 8-, 16- or 32-bit PCM with a consistent frame size.
std::optional<WaveFormat> ParseWave(std::span<const char> image);

} // namespace vorlant
