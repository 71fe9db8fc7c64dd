#pragma once

#include "board/wave_format.h"

#include <QByteArray>
#include <QObject>

#include <map>
#include <memory>
#include <string>
#include <string_view>

class QAudioSink;
class QBuffer;

namespace vorlant {

// Plays the embedded sounds "WAVE_UP", "WAVE_DOWN" and "WAVE_ERR" straight from the
// program's own bytes.
class SoundPlayer : public QObject
{
    Q_OBJECT
public:
    // Locates the three sounds; a missing or unreadable one stays silent.
    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;

    // Starts the sound and returns at once; a sound still playing is cut off. Unknown names,
    // a missing audio device and playback failures are silent.
    void play(std::string_view name);

    // Whether the sound was found and can be played.
    bool isLoaded(std::string_view name) const;

private:
    struct Sound
    {
        QByteArray image; // the whole RIFF image, not copied
        WaveFormat format;
    };
    void stop();

    std::map<std::string, Sound, std::less<>> m_sounds;
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QAudioSink> m_sink; // reads m_buffer, so it goes first
};

} // namespace vorlant
