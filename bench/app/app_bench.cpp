#include "app/main_window.h"
#include "app/program.h"
#include "engine/message_sink.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

class SilentSink : public vorlant::MessageSink
{
public:
    void Message(const vorlant::UserText &) override {}
    void Error(const vorlant::UserText &) override {}
};

// A fresh current folder and program folder for the life of the object.
class Folders
{
public:
    Folders() : previous_(QDir::currentPath()) { QDir::setCurrent(current_.path()); }
    ~Folders() { QDir::setCurrent(previous_); }
    vorlant::MainWindowOptions Options() const
    {
        vorlant::MainWindowOptions options;
        options.programFolder = program_.path() + u'/';
        return options;
    }

private:
    QString previous_;
    QTemporaryDir current_;
    QTemporaryDir program_;
};

// Resident memory of this process in megabytes.
double ResidentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

// The program's windows from nothing until the main window is shown and the start-up that
// follows its first frame is complete. Target: at most 250 ms.
void BM_StartUp(benchmark::State &state)
{
    Folders folders;
    SilentSink sink;
    for (auto _ : state) {
        vorlant::Program program(sink, vorlant::LinkedLateParts(), folders.Options());
        program.Show();
        while (!program.Main().StartUpComplete())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);

        state.PauseTiming();
        program.Main().close(); // writes the settings, removes the pictures
        state.ResumeTiming();
    }
    state.counters["rss_mb"] = ResidentMegabytes();
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

// Records when each tick of a timer is delivered, before its handler runs.
class TickRecorder : public QObject
{
public:
    explicit TickRecorder(int ticksWanted) : ticksWanted_(ticksWanted) {}
    std::vector<Clock::time_point> ticks;
    QEventLoop done;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Timer) {
            ticks.push_back(Clock::now());
            if (int(ticks.size()) == ticksWanted_)
                QTimer::singleShot(0, &done, &QEventLoop::quit);
        }
        return false;
    }

private:
    int ticksWanted_;
};

// How far the real display ticks of one round of six cells land from their ideal times,
// counted from the round start. Targets: median at most 2 ms, maximum at most 5 ms.
void BM_DisplayTickError(benchmark::State &state)
{
    const int interval = int(state.range(0));
    const char *speedItem = interval == 300 ? "Nejrychlej1" : "Nejpomalej1";
    constexpr int kLength = 6;
    constexpr int kTicks = 2 * kLength + 2;

    Folders folders;
    SilentSink sink;
    std::vector<double> errors;
    for (auto _ : state) {
        vorlant::Program program(sink, vorlant::LinkedLateParts(), folders.Options());
        program.CompleteStartUp();
        vorlant::MainWindow &main = program.Main();
        main.findChild<QAction *>(QStringLiteral("N61"))->trigger();
        main.findChild<QAction *>(QString::fromLatin1(speedItem))->trigger();
        auto *t1 = main.findChild<QTimer *>(QStringLiteral("T1"));
        auto *roundStart = main.findChild<QTimer *>(QStringLiteral("_1"));

        Clock::time_point started;
        QObject::connect(roundStart, &QTimer::timeout, [&] { started = Clock::now(); });
        TickRecorder recorder(kTicks);
        t1->installEventFilter(&recorder);
        main.StartTest(QStringLiteral("bench"));
        recorder.done.exec();

        for (int k = 1; k <= kTicks; ++k) {
            const auto ideal = started + std::chrono::milliseconds(k * interval);
            const auto off = recorder.ticks.at(std::size_t(k - 1)) - ideal;
            errors.push_back(std::abs(std::chrono::duration<double, std::milli>(off).count()));
        }
        state.PauseTiming();
        // Ended with "Konec" as a user would: quitting a running test would ask first.
        main.findChild<QPushButton *>(QStringLiteral("_Konec"))->click();
        main.close();
        state.ResumeTiming();
    }
    std::sort(errors.begin(), errors.end());
    state.counters["median_ms"] = errors[errors.size() / 2];
    state.counters["max_ms"] = errors.back();
}
BENCHMARK(BM_DisplayTickError)
    ->Arg(300)
    ->Arg(700)
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
