#pragma once

#include "app/main_window.h"
#include "app/program.h"
#include "engine/sequence.h"
#include "recording_sink.h"

#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;

namespace vorlant::testing {

// The whole program in a fresh temporary current folder, with a temporary program folder, a
// fixed seed, a fixed date for results files and, unless asked otherwise, a clock that moves
// only when the test moves it. Failures are recorded instead of shown.
class ProgramRig
{
public:
    struct Setup
    {
        bool realClock = false;
        // Runs in the fresh folders before the program starts.
        std::function<void(const QString &currentFolder, const QString &programFolder)> before;
    };

    ProgramRig() : ProgramRig(Setup{}) {}
    explicit ProgramRig(const Setup &setup);
    ~ProgramRig();

    std::int64_t now = 0; // the fake clock, in milliseconds
    RecordingSink sink;

    MainWindow &main() const { return program_->Main(); }
    Program &program() const { return *program_; }
    QString currentFolder() const { return current_.path(); }
    QString programFolder() const { return programDir_.path(); }
    QString dataFolder() const { return programDir_.path() + QStringLiteral("/data"); }

    QPushButton *button(const char *name) const;
    QLabel *label(const char *name) const;
    QTimer *timer(const char *name) const;
    QAction *action(const char *name) const;
    QWidget *textCell(CellPosition cell) const;

    // Fires a running timer through its real timeout, the clock moving on by its interval.
    void fire(QTimer *timer);
    void fire(const char *name) { fire(timer(name)); }
    // Names of the running timers.
    std::vector<std::string> runningTimers() const;

    // Opens the name dialog by run (a button or menu click) and accepts name in it.
    void startWithName(const std::function<void()> &run, const QString &name);
    // From a round start due: fires _1 and T1 until input opens; returns the cells that the
    // board lit one after the other.
    std::vector<CellPosition> showRound();
    void click(CellPosition cell) const;
    // Fires the completion check after elapsedMs, then the three rest ticks.
    void finishAttempt(std::int64_t elapsedMs);

private:
    QString previousFolder_;
    QTemporaryDir current_;
    QTemporaryDir programDir_;
    std::unique_ptr<Program> program_;
};

// The cell lit on the text board, if exactly one is.
std::optional<CellPosition> LitCell(const MainWindow &main);

} // namespace vorlant::testing
