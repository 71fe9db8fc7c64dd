#pragma once

#include "app/program.h"
#include "engine/attempt_log.h"
#include "engine/sequence.h"
#include "tests/app/gui_test_helpers.h"
#include "tests/support/recording_sink.h"
#include "tests/support/scoped_environment.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vorlant::testing {

// How the rig's program completes its start-up.
struct RigStartUp
{
    LateParts late = LinkedLateParts();
    // As right after the first frame, before the user can act; otherwise the start-up
    // completes only after a first frame of the shown window.
    bool completeAtOnce = true;
};

// The whole program in a fresh temporary current folder and program folder, with a fixed seed,
// a fixed date for results files and a clock that moves only when the test moves it. Failures
// are recorded instead of shown.
class ProgramRig
{
public:
    // Runs in the fresh current and program folders before the program starts.
    using Prepare = std::function<void(const QString &current, const QString &program)>;

    // programSubfolder places the executable's folder below the rig's program folder, as
    // "usr/bin" of an installed tree. The user's own folders go into userHome ("config" and
    // "share" in it), by default a fresh temporary folder, so the real home is never touched.
    explicit ProgramRig(const Prepare &prepare = {}, const QString &programSubfolder = {},
                        const QString &userHome = {}, RigStartUp startUp = {});
    ~ProgramRig();

    std::int64_t now = 0; // the fake clock, in milliseconds
    RecordingSink sink;

    MainWindow &main() const { return program_->Main(); }
    Program &program() const { return *program_; }
    QString currentFolder() const { return current_.path(); }
    QString programFolder() const { return programFolder_; }
    QString dataFolder() const { return programFolder_ + QStringLiteral("/data"); }
    // The user's own base folders ($XDG_CONFIG_HOME, $XDG_DATA_HOME) while the rig lives.
    QString userConfigFolder() const { return userHome_ + QStringLiteral("/config"); }
    QString userDataFolder() const { return userHome_ + QStringLiteral("/share"); }
    QPushButton *button(const char *name) const { return Find<QPushButton>(main(), name); }
    QLabel *label(const char *name) const { return Find<QLabel>(main(), name); }
    QTimer *timer(const char *name) const { return Find<QTimer>(main(), name); }
    QAction *action(const char *name) const { return Find<QAction>(main(), name); }

    // Which of Start, Pause and Konec are enabled, and Pause's text: "011 Pause" in a test.
    std::string buttons() const;
    // Fires a running timer through its real timeout, the clock moving on by its interval.
    void fire(const char *name);
    // The running ones among T1, _1, _2 and _3.
    std::vector<std::string> runningTimers() const;
    // Opens the name dialog by run (a button or menu click) and accepts name in it.
    void startWithName(const std::function<void()> &run, const QString &name);
    // From a round start due: fires _1 and T1 until input opens; returns the cells lit in turn.
    std::vector<CellPosition> showRound();
    void click(CellPosition cell) const;
    // Fires the three ticks of the rest after an attempt; the next round start is then due.
    void rest();
    // Exports the chart window's log as CSV; the line of its first attempt.
    QString chartCsvLine() const;
    // Runs the menu item "Archiv"; the archive list's rows, each as "person | time | file".
    QStringList archiveRowsAfterArchiv() const;

private:
    QString previousFolder_;
    QTemporaryDir current_;
    QTemporaryDir programDir_;
    QString programFolder_;
    QTemporaryDir ownUserHome_;
    QString userHome_;
    test::ScopedEnvironment userConfig_{"XDG_CONFIG_HOME", userConfigFolder()};
    test::ScopedEnvironment userData_{"XDG_DATA_HOME", userDataFolder()};
    std::unique_ptr<Program> program_;
};

// The cell lit on the text board, if exactly one is.
std::optional<CellPosition> LitCell(const MainWindow &main);

// The cell below the given one, the top one below the last row: a wrong answer for it.
inline CellPosition OtherCell(CellPosition cell)
{
    return {(cell.row + 1) % kBoardSide, cell.column};
}

// The records of a results file, which must have exactly 16016 bytes.
LogRecords ReadResultsFile(const QString &path);

} // namespace vorlant::testing
