#include "board/sound_player.h"

#include "board/media.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <memory>
#include <vector>

namespace vorlant {

namespace {

QAudioFormat::SampleFormat SampleFormatFor(int bitsPerSample)
{
    switch (bitsPerSample) {
    case 8:
        return QAudioFormat::UInt8;
    case 16:
        return QAudioFormat::Int16;
    default:
        return QAudioFormat::Int32;
    }
}

QAudioFormat AudioFormatOf(const WaveFormat &wave)
{
    QAudioFormat format;
    format.setChannelCount(wave.channels);
    format.setSampleRate(wave.sampleRate);
    format.setSampleFormat(SampleFormatFor(wave.bitsPerSample));
    return format;
}

} // namespace

// The audio side of the player, on the audio thread: one sink per sound, created once and
// started again for every play, each reading the sound's samples in place.
class SoundOutputs : public QObject
{
public:
    struct Samples
    {
        QByteArray data; // a raw-data array over the embedded image
        QAudioFormat format;
    };

    // Creates the sinks; without an audio device there are none and every play is silent.
    void create(const std::vector<Samples> &sounds)
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        for (const Samples &samples : sounds) {
            auto output = std::make_unique<Output>();
            output->buffer.setData(samples.data);
            if (!device.isNull() && output->buffer.open(QIODevice::ReadOnly)) {
                output->sink = std::make_unique<QAudioSink>(device, samples.format);
                QAudioSink *sink = output->sink.get();
                // Tied to the sink itself: a notification still queued when the sink goes
                // goes with it.
                connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State state) {
                    if (state == QAudio::IdleState) // played to the end: give the device back
                        sink->stop();
                });
            }
            m_outputs.push_back(std::move(output));
        }
    }

    void play(std::size_t index)
    {
        stop();
        if (index >= m_outputs.size() || !m_outputs[index]->sink)
            return;
        Output &output = *m_outputs[index];
        output.buffer.seek(0);
        output.sink->start(&output.buffer);
        m_playing = output.sink.get();
    }

    int sinkCount() const
    {
        int count = 0;
        for (const auto &output : m_outputs)
            count += output->sink ? 1 : 0;
        return count;
    }

    ~SoundOutputs() override { stop(); }

private:
    struct Output
    {
        QBuffer buffer;
        std::unique_ptr<QAudioSink> sink; // reads buffer, so it goes first
    };

    void stop()
    {
        if (m_playing)
            m_playing->stop();
        m_playing = nullptr;
    }

    std::vector<std::unique_ptr<Output>> m_outputs;
    QAudioSink *m_playing = nullptr;
};

SoundPlayer::SoundPlayer(QObject *parent) : QObject(parent), m_outputs(new SoundOutputs)
{
    std::vector<SoundOutputs::Samples> samples;
    for (const char *name : {"WAVE_DOWN", "WAVE_UP", "WAVE_ERR"}) {
        QByteArray image = MediaBytes(name);
        const auto format = ParseWave({image.constData(), std::size_t(image.size())});
        if (!format)
            continue;
        samples.push_back({QByteArray::fromRawData(image.constData() + format->dataOffset,
                                                   qsizetype(format->dataSize)),
                           AudioFormatOf(*format)});
        m_sounds.emplace(name, Sound{std::move(image), *format, int(samples.size()) - 1});
    }
    m_audioThread.setObjectName(QStringLiteral("audio"));
    m_outputs->moveToThread(&m_audioThread);
    m_audioThread.start();
    QMetaObject::invokeMethod(
        m_outputs,
        [outputs = m_outputs, samples = std::move(samples)] { outputs->create(samples); },
        Qt::QueuedConnection);
}

SoundPlayer::~SoundPlayer()
{
    // The sinks are stopped and deleted on the thread they belong to.
    QMetaObject::invokeMethod(
        m_outputs, [outputs = m_outputs] { delete outputs; }, Qt::BlockingQueuedConnection);
    m_audioThread.quit();
    m_audioThread.wait();
}

bool SoundPlayer::isLoaded(std::string_view name) const
{
    return m_sounds.find(name) != m_sounds.end();
}

void SoundPlayer::play(std::string_view name)
{
    const auto found = m_sounds.find(name);
    // An unknown name still cuts off the sound playing, as a new sound would.
    const std::size_t index =
        found == m_sounds.end() ? m_sounds.size() : std::size_t(found->second.index);
    QMetaObject::invokeMethod(
        m_outputs, [outputs = m_outputs, index] { outputs->play(index); }, Qt::QueuedConnection);
}

void SoundPlayer::waitForAudioThread()
{
    QMetaObject::invokeMethod(
        m_outputs, [] {}, Qt::BlockingQueuedConnection);
}

int SoundPlayer::outputCount()
{
    int count = 0;
    QMetaObject::invokeMethod(
        m_outputs, [outputs = m_outputs, &count] { count = outputs->sinkCount(); },
        Qt::BlockingQueuedConnection);
    return count;
}

} // namespace vorlant
// The meta-object code is compiled here, not with the rest of the library's, so that the
// program, which never creates this class itself, links neither it nor Qt's multimedia
// modules behind it.
#include "moc_sound_player.cpp"
