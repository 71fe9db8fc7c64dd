#include "board/board.h"
#include "board/picture_folder.h"
#include "board/picture_list.h"
#include "board/sound_player.h"
#include "engine/message_sink.h"

#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include <benchmark/benchmark.h>

namespace {

class SilentSink : public vorlant::MessageSink
{
public:
    void Message(const vorlant::UserText &) override {}
    void Error(const vorlant::UserText &) override {}
};

// What start-up does with the media: unpack the pictures, load the sounds, build the
// picture list, build both boards and show the text board. Target: at most 40 ms.
void BM_StartupMedia(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    SilentSink sink;
    vorlant::RandomGenerator random(1);
    for (auto _ : state) {
        vorlant::PictureFolder folder;
        folder.unpack(sink);
        vorlant::SoundPlayer sounds;
        vorlant::PictureList pictures;
        pictures.build(QStringLiteral("obr_deti"));
        QWidget host;
        auto *counters = new QWidget(&host);
        counters->resize(31, 45);
        vorlant::Board board(&host, counters, pictures, random, [] { return false; });
        board.setFaceMode(vorlant::FaceMode::Empty);
        benchmark::DoNotOptimize(board.pictureCell(15));

        state.PauseTiming();
        folder.remove();
        state.ResumeTiming();
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_StartupMedia)->Unit(benchmark::kMillisecond);

// The file part of it alone: writing the 42 pictures into the folder and removing them.
void BM_UnpackAndRemovePictures(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    SilentSink sink;
    for (auto _ : state) {
        vorlant::PictureFolder folder;
        folder.unpack(sink);
        folder.remove();
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_UnpackAndRemovePictures)->Unit(benchmark::kMicrosecond);

} // namespace
