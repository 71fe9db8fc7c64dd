#pragma once

#include "board/wave_format.h"

#include <QByteArray>
#include <QObject>
#include <QThread>

#include <map>
#include <string>
#include <string_view>

namespace vorlant {

class SoundOutputs;

// Plays the embedded sounds "WAVE_UP", "WAVE_DOWN" and "WAVE_ERR" straight from the
// program's own bytes. The audio outputs live on a thread of their own: opening a sink and
// starting a stream can wait on the sound server, and the user-interface thread must not.
class SoundPlayer : public QObject
{
    Q_OBJECT
public:
    // Locates the three sounds and has the audio thread create one output for each, once;
    // a missing or unreadable sound stays silent.
    explicit SoundPlayer(QObject *parent = nullptr);
    ~SoundPlayer() override;

    // Asks for the sound and returns at once; a sound still playing is cut off. Unknown
    // names, a missing audio device and playback failures are silent. Virtual so that the
    // program, which loads the player's code after its first frame, reaches it through the
    // object alone.
    virtual void play(std::string_view name);

    // Whether the sound was found and can be played.
    bool isLoaded(std::string_view name) const;

    // Waits until the audio thread has created its outputs and acted on every play so far.
    void waitForAudioThread();

    // How many sounds have an output on the audio device; 0 without one. Waits like
    // waitForAudioThread.
    int outputCount();

private:
    struct Sound
    {
        QByteArray image; // the whole RIFF image, not copied
        WaveFormat format;
        int index = 0; // of its output
    };

    std::map<std::string, Sound, std::less<>> m_sounds;
    QThread m_audioThread;
    SoundOutputs *m_outputs; // lives on m_audioThread, deleted there
};

} // namespace vorlant
