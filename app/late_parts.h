#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QObject;
class QWidget;

namespace vorlant {

class ChartWindow;
class MessageSink;
class OverviewWindow;
class ProgressWindow;
class SoundPlayer;

// The parts that need Qt's chart, print and multimedia modules: the chart window, the
// window of a person's progress, the overview of persons and the sound player. Loading those
// modules costs a noticeable share of the start-up, so the program keeps them out of its executable
// and loads them after its first frame. A creator that fails throws; its text is shown like any
// start-up failure.
struct LateParts
{
    // Makes the code of the parts ready; returns what keeps it from being used (a message
    // for the user), or nothing. Until it has run, no creator may be called. Empty: the code
    // is linked in.
    std::function<QString()> load;
    std::function<std::unique_ptr<ChartWindow>(MessageSink &messages)> createChart;
    std::function<SoundPlayer *(QObject *parent)> createSounds;
    std::function<std::unique_ptr<ProgressWindow>(MessageSink &messages, QWidget *parent)>
        createProgress;
    std::function<std::unique_ptr<OverviewWindow>(MessageSink &messages, QWidget *parent)>
        createOverview;
};

// The parts linked in directly: for a program that links the modules anyway (tests, benchmarks).
LateParts LinkedLateParts();

// The parts from the module "vorlant_late" in the first of folders where it can be used (none
// given: beside the executable, then where an installation puts it), loaded by load() and kept
// loaded. A module of another build of the program is not used; load() names every module it
// could not use with the reason, the loader's own where the loader refused it.
LateParts LoadedLateParts(const QStringList &folders = {});

} // namespace vorlant
