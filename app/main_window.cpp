#include "app/main_window.h"

#include "app/counters_panel.h"
#include "app/error_guard.h"
#include "app/save_elsewhere.h"
#include "board/board.h"
#include "board/board_layout.h"
#include "board/keyboard_answers.h"
#include "board/sound_player.h"
#include "engine/attempt_log.h"
#include "engine/message_sink.h"
#include "results/archive_window.h"
#include "results/chart_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <chrono>

namespace vorlant {
namespace {

constexpr int kRoundStartIntervalMs = 50;
constexpr int kCompletionIntervalMs = 50;
constexpr int kRestIntervalMs = 250;

QString ProgramFolderOf(const MainWindowOptions &options)
{
    return options.programFolder.isEmpty() ? QCoreApplication::applicationDirPath() + u'/'
                                           : options.programFolder;
}

MonotonicClock ClockOf(const MainWindowOptions &options)
{
    return options.clock ? options.clock : MonotonicClock(&SteadyClockMs);
}

std::uint32_t SeedFromSteadyClock()
{
    return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

QPushButton *MakeButton(QWidget *parent, const char *name, const QString &text, int left)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 8, 75, 25);
    return button;
}

QTimer *MakeTimer(QObject *parent, const char *name, int intervalMs)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QString::fromLatin1(name));
    timer->setInterval(intervalMs);
    return timer;
}

} // namespace

MainWindow::MainWindow(MessageSink &messages, MainWindowOptions options)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      messages_(messages), locations_(ChooseStorageLocations(ProgramFolderOf(options))),
      controller_(*this, ClockOf(options), random_),
      store_(messages, options.localClock ? options.localClock : LocalClock(&CurrentLocalTime),
             locations_.settingsFolder.toStdString(),
             locations_.defaultDataDirectory.toStdString()),
      pictureFolder_(locations_.pictureParent), client_(new QWidget(this)),
      _start(MakeButton(client_, "_start", tr("Start"), 8)),
      _pause(MakeButton(client_, "_Pause", tr("Pause"), 88)),
      _konec(MakeButton(client_, "_Konec", tr("Konec"), 168)), p2(new CountersPanel(client_)),
      T1(MakeTimer(this, "T1", kDefaultSpeedIntervalMs)),
      _1(MakeTimer(this, "_1", kRoundStartIntervalMs)),
      _2(MakeTimer(this, "_2", kCompletionIntervalMs)), _3(MakeTimer(this, "_3", kRestIntervalMs))
{
    BuildControls();
    ConnectCommands();
    store_.SetFallbackFolder(UnsavedResultsFolder().toStdString());
    if (locations_.perUser)
        store_.SetPrivateDataDirectory(locations_.defaultDataDirectory.toStdString());
    store_.SetElsewhereChooser([this](const UserText &message, const std::string &fileName) {
        return AskWhereElseToSave(this, message, fileName);
    });
    FormCreate(options);
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildControls()
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(tr("Test paměti - pro nekomerční použití"));
    // MS Sans Serif 8 pt does not exist here; Arial resolves to its metric twin.
    setFont(QFont(QStringLiteral("Arial"), 8));

    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    _pause->setEnabled(false);
    _konec->setEnabled(false);
    // The default coarse timer shifted a 500 ms display step by up to 100 ms.
    T1->setTimerType(Qt::PreciseTimer);
    menu_ = BuildMainMenu(*menuBar());
    // Menus speak in the desktop's menu font, as their drop-downs do, not in the window's.
    menuBar()->setFont(QApplication::font(menuBar()));
}

void MainWindow::AttachWindows(NameDialog &names, HelpWindow &help, AboutWindow &about)
{
    names_ = &names;
    help_ = &help;
    about_ = &about;
}

// Each step reports its own failure and the start-up goes on, so that the window always
// has its boards and timers and can be used and closed. A window closed meanwhile (by a
// signal while a step showed a box) needs no more of it.
template <typename Step> void MainWindow::StartUpStep(Step &&step)
{
    if (!closed_)
        RunReportingErrors(messages_, std::forward<Step>(step));
}

// The steps that the first frame shows run here; the others wait for CompleteStartUp. Both
// keep their order, and the pictures are drawn before any sequence, so the random
// generator gives what it gave when all of them ran at once.
void MainWindow::FormCreate(const MainWindowOptions &options)
{
    StartUpStep([&] { random_.seed(options.seed.value_or(SeedFromSteadyClock())); });
    StartUpStep([&] { programFolder_ = ProgramFolderOf(options).toStdString(); });
    StartUpStep([&] { MakeStorageFolders(locations_); });
    StartUpStep([&] { store_.ReadSettings(); });
    StartUpStep([&] {
        if (!programFolder_.empty() && programFolder_.back() == '/')
            programFolder_.pop_back();
    });
    StartUpStep([&] {
        board_ = new Board(client_, p2, [this] { return controller_.InputOpen(); });
        connect(board_, &Board::cellClicked, this,
                [this](CellPosition cell) { controller_.CellClicked(cell); });
        auto *keys = new KeyboardAnswers(*board_, *this, ClockOf(options));
        connect(keys, &KeyboardAnswers::cellAnswered, this,
                [this](CellPosition cell, qint64 releasedAtMs) {
                    controller_.CellAnswered(cell, releasedAtMs);
                });
    });
    StartUpStep([&] { ClearLog(controller_.Log()); });
    StartUpStep([&] {
        if (board_)
            board_->showTextBoard();
    });
    // InputOpen and Quitting start cleared: the controller is new.
    StartUpStep([&] { p2->SetLengthText(QStringLiteral("4")); });
}

void MainWindow::CompleteStartUp(ChartWindow *chart, const LateParts &late)
{
    if (startUpComplete_ || closed_)
        return;
    startUpComplete_ = true;
    chart_ = chart;
    // Tests whose save was cut short get their names before the archive lists the folder.
    StartUpStep([&] { store_.ClaimInterruptedSaves(); });
    // The picture list (pictures_) exists from here on; then the archive window, hidden,
    // which lists the archive folder read from the settings.
    StartUpStep([&] {
        archive_ = std::make_unique<ArchiveWindow>(store_, chart, this, late.createProgress,
                                                   late.createOverview);
        archive_->SetDirectory(QString::fromStdString(store_.ArchiveFolder()));
    });
    StartUpStep([&] { pictureFolder_.unpack(messages_); });
    StartUpStep([&] {
        if (late.createSounds)
            sounds_ = late.createSounds(this);
    });
    // A folder that could not be used (another user's) lists nothing: the cells stay empty.
    StartUpStep([&] {
        if (!pictureFolder_.path().isEmpty())
            pictures_.build(pictureFolder_.path());
    });
    StartUpStep([&] {
        if (board_)
            board_->placePictures(pictures_, random_);
    });
    StartUpStep([&] { store_.CreateDataDirectory(); });
}

// The start-up centred the window before its frame was known; now it is.
void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (shownBefore_)
        return;
    shownBefore_ = true;
    if (board_)
        board_->centreWindow();
    if (QWindow *window = windowHandle())
        window->installEventFilter(this); // to see the first expose
}

// The first expose paints the window at once; the signal is queued behind that paint.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &MainWindow::FirstFrameShown, Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!quitDecided_ && !MayQuit()) {
        event->ignore();
        return;
    }
    closed_ = true;
    // No tick may start a round, sound or save once the window is going, whatever closes it.
    for (QTimer *timer : {T1, _1, _2, _3})
        timer->stop();
    FormClose();
    event->accept();
    emit Closed();
}

// A settings file that cannot be written has been reported by the store; the window closes
// all the same, since a program must always be closable.
void MainWindow::FormClose()
{
    RunReportingErrors(messages_, [this] { store_.WriteSettings(); });
    RunReportingErrors(messages_, [this] { pictureFolder_.remove(); });
}

void MainWindow::KeepCountersInside()
{
    if (!board_)
        return;
    // The margin right of the counters that the board's layout leaves.
    using namespace board_layout;
    const int margin = kPanelPosition.x() + kCountersRightMargin - kCountersGap;
    const int needed = p2->x() + p2->width() + margin;
    if (needed <= client_->width())
        return;
    client_->setFixedWidth(needed);
    if (QLayout *frame = layout())
        frame->activate();
    setFixedSize(sizeHint());
}

// A test started while the previous one was paused must not inherit its "Pokračuj": the next
// click would continue into the middle of the new round instead of pausing it.
void MainWindow::StartTest(const QString &personName)
{
    _pause->setText(tr("Pause"));
    _pause->setEnabled(true);
    _konec->setEnabled(true);
    _start->setEnabled(false);
    endedTest_ = {};
    endedTestIsBest_ = false;
    controller_.StartTest(personName.toStdString());
}

} // namespace vorlant
