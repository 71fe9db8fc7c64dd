#include "board/sound_player.h"

#include "board/media.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

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

} // namespace

SoundPlayer::SoundPlayer(QObject *parent) : QObject(parent)
{
    for (const char *name : {"WAVE_DOWN", "WAVE_UP", "WAVE_ERR"}) {
        QByteArray image = MediaBytes(name);
        if (const auto format = ParseWave({image.constData(), std::size_t(image.size())}))
            m_sounds.emplace(name, Sound{std::move(image), *format});
    }
}

SoundPlayer::~SoundPlayer()
{
    stop();
}

bool SoundPlayer::isLoaded(std::string_view name) const
{
    return m_sounds.find(name) != m_sounds.end();
}

void SoundPlayer::stop()
{
    if (m_sink)
        m_sink->stop();
    m_sink.reset();
    m_buffer.reset();
}

void SoundPlayer::play(std::string_view name)
{
    stop();
    const auto found = m_sounds.find(name);
    if (found == m_sounds.end())
        return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return;
    const Sound &sound = found->second;
    QAudioFormat format;
    format.setChannelCount(sound.format.channels);
    format.setSampleRate(sound.format.sampleRate);
    format.setSampleFormat(SampleFormatFor(sound.format.bitsPerSample));

    // The buffer reads the samples in place: a raw-data array over the embedded image.
    m_buffer = std::make_unique<QBuffer>();
    m_buffer->setData(QByteArray::fromRawData(sound.image.constData() + sound.format.dataOffset,
                                              qsizetype(sound.format.dataSize)));
    if (!m_buffer->open(QIODevice::ReadOnly))
        return;
    m_sink = std::make_unique<QAudioSink>(device, format);
    QAudioSink *sink = m_sink.get();
    connect(sink, &QAudioSink::stateChanged, this, [sink](QAudio::State state) {
        if (state == QAudio::IdleState) // played to the end: give the device back
            sink->stop();
    });
    sink->start(m_buffer.get());
}

} // namespace vorlant
