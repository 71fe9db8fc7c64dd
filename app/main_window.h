#pragma once

#include "app/late_parts.h"
#include "app/main_menu.h"
#include "app/storage_locations.h"
#include "board/picture_folder.h"
#include "board/picture_list.h"
#include "engine/clock.h"
#include "engine/random.h"
#include "engine/round_controller.h"
#include "engine/round_outputs.h"
#include "store/local_time.h"
#include "store/results_name.h"
#include "store/results_store.h"

#include <QMainWindow>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QMessageBox;
class QPushButton;
class QTimer;

namespace vorlant {

class AboutWindow;
class ArchiveWindow;
class Board;
class ChartWindow;
class CountersPanel;
class HelpWindow;
class MessageSink;
class NameDialog;
class SoundPlayer;

// What the main window takes from its surroundings; tests replace any of them.
struct MainWindowOptions
{
    // With its closing "/"; empty: the executable's folder. Where it lies decides where the
    // settings, the results and the pictures go (ChooseStorageLocations).
    QString programFolder;
    MonotonicClock clock;              // empty: SteadyClockMs
    std::optional<std::uint32_t> seed; // empty: the steady clock's low 32 bits
    LocalClock localClock;             // empty: CurrentLocalTime
};

// The main window `TForm1`: the buttons, the counters, the board, the four timers and the
// menu. It owns the test engine, the board, the sounds, the pictures and the results store,
// and connects them to each other and to its controls.
class MainWindow : public QMainWindow, private RoundOutputs
{
    Q_OBJECT

public:
    // Runs the part of the start-up (FormCreate) that the first frame shows: the random
    // generator, the settings, both boards with the text board shown, the counters. A step
    // that fails is reported to messages and the remaining steps run all the same, so the
    // window, both boards and the timers exist.
    explicit MainWindow(MessageSink &messages, MainWindowOptions options = {});
    ~MainWindow() override;

    // The rest of the start-up, which nothing on the first frame needs: the archive window
    // with its list, the pictures unpacked and placed on the picture board, the sounds with
    // their outputs, the data directory. Runs once; not at all after the window has closed.
    // The chart window shows the results and the archive window's files; it must outlive
    // this window. Without it (it could not be created) there is no archive window either.
    // The sounds and the archive window's progress window come from late.
    void CompleteStartUp(ChartWindow *chart, const LateParts &late);
    bool StartUpComplete() const { return startUpComplete_; }

    // The windows that the program creates after this one and that the commands open.
    void AttachWindows(NameDialog &names, HelpWindow &help, AboutWindow &about);

    // The name dialog's "Ok": begins a test under the name.
    void StartTest(const QString &personName);

    // Ends the program without asking, for a session or terminal that asks it to end: the
    // finished attempts of a test under way are kept where a test whose save failed is kept.
    void EndBySignal();

    RoundController &Controller() { return controller_; }
    ResultsStore &Store() { return store_; }
    Board *GameBoard() const { return board_; }
    SoundPlayer *Sounds() const { return sounds_; }

signals:
    // The window's first frame has been painted; sent once, queued behind that paint.
    void FirstFrameShown();
    // The window has closed: the settings are written and the pictures removed.
    void Closed();
    // A command needs what the rest of the start-up makes, and it has not run yet.
    void StartUpNeeded();

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    void ConnectCommands();
    void FormCreate(const MainWindowOptions &options);
    void FormClose();
    template <typename Step> void StartUpStep(Step &&step);
    // A counters panel that has grown with a two-digit counter keeps inside the window.
    void KeepCountersInside();
    // Has the rest of the start-up run now if it has not yet.
    void CompleteStartUpNow();
    // Whether the program may end: during a test the user is asked, the test paused meanwhile.
    bool MayQuit();
    // Saves the finished attempts of a test under way into the folder for unsaved tests.
    void KeepUnsavedTest();

    // Buttons and menu commands.
    void _startClick();
    void Start1Click();
    void _pauseClick(); // _PauseClick
    void _konecClick(); // _KonecClick
    void Konec1Click();
    void Archiv1Click();
    void Konec2Click();
    void StartLengthClick(int length);
    void SpeedClick(int intervalMs);
    void Popis2Click();
    void Oprogramu1Click();

    // RoundOutputs: how the engine reaches the counters, the board, the speakers and timers.
    void SetLengthText(const std::string &text) override;
    void PlaySound(std::string_view name) override;
    void SetLengthBackground(Colour colour) override;
    void SetLengthTextColour(Colour colour) override;
    void SetPositionText(const std::string &text) override;
    void SetPanelColour(Colour colour) override;
    void ResetAllCells() override;
    void LightCell(CellPosition cell) override;
    void RestoreCell(CellPosition cell) override;
    void SetDefaultCursors() override;
    void SetHandCursors() override;
    void SetTimerActive(Timer timer, bool active) override;
    void LogFull() override;
    QTimer *TimerFor(Timer timer) const;

    MessageSink &messages_;
    const StorageLocations locations_; // chosen once, before the store and the pictures
    std::string programFolder_;
    RandomGenerator random_;
    RoundController controller_;
    ResultsStore store_;
    // Owned here and gone before the store it works on.
    std::unique_ptr<ArchiveWindow> archive_;
    PictureList pictures_; // the picture-list window's list
    PictureFolder pictureFolder_;
    SoundPlayer *sounds_ = nullptr;
    Board *board_ = nullptr;

    QWidget *client_;
    QPushButton *_start;
    QPushButton *_pause; // objectName "_Pause"
    QPushButton *_konec; // objectName "_Konec"
    CountersPanel *p2;
    QTimer *T1;
    QTimer *_1;
    QTimer *_2;
    QTimer *_3;
    MainMenu menu_;

    ChartWindow *chart_ = nullptr;
    NameDialog *names_ = nullptr;
    HelpWindow *help_ = nullptr;
    AboutWindow *about_ = nullptr;
    bool shownBefore_ = false;
    bool startUpComplete_ = false;
    bool closed_ = false;
    bool quitDecided_ = false;            // closing goes on without asking
    bool endingBySignal_ = false;         // a signal asked the program to end
    QMessageBox *quitQuestion_ = nullptr; // while asking whether to quit during a test
    // The test that ended last, for the chart's CSV export; empty from the start of the next.
    TestLabel endedTest_;
    // Whether that test beat every earlier saved test of its person.
    bool endedTestIsBest_ = false;
};

} // namespace vorlant
