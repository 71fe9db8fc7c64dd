// The main window's buttons and menu commands.
#include "app/about_window.h"
#include "app/application_title.h"
#include "app/counters_panel.h"
#include "app/help_window.h"
#include "app/main_window.h"
#include "app/name_dialog.h"
#include "app/storage_locations.h"
#include "board/board.h"
#include "results/archive_window.h"
#include "results/chart_window.h"
#include "store/personal_best.h"
#include "store/test_summary.h"

#include <QAction>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace vorlant {

void MainWindow::ConnectCommands()
{
    connect(_start, &QPushButton::clicked, this, &MainWindow::_startClick);
    connect(_pause, &QPushButton::clicked, this, &MainWindow::_pauseClick);
    connect(_konec, &QPushButton::clicked, this, &MainWindow::_konecClick);

    connect(menu_.Start1, &QAction::triggered, this, &MainWindow::Start1Click);
    connect(menu_.Konec1, &QAction::triggered, this, &MainWindow::Konec1Click);
    connect(menu_.Archiv1, &QAction::triggered, this, &MainWindow::Archiv1Click);
    connect(menu_.Konec2, &QAction::triggered, this, &MainWindow::Konec2Click);

    const auto faceMode = [this](QAction *item, FaceMode mode) {
        connect(item, &QAction::triggered, this, [this, mode] {
            if (board_)
                board_->setFaceMode(mode);
        });
    };
    faceMode(menu_.Przdn1, FaceMode::Empty);
    faceMode(menu_.sla1, FaceMode::Numbers);
    faceMode(menu_.Abeceda1, FaceMode::Letters);
    faceMode(menu_.Obrzky1, FaceMode::Pictures);

    for (std::size_t i = 0; i < menu_.startLengths.size(); ++i)
        connect(menu_.startLengths[i], &QAction::triggered, this,
                [this, length = kStartLengths[i]] { StartLengthClick(length); });
    for (std::size_t i = 0; i < menu_.speeds.size(); ++i)
        connect(menu_.speeds[i], &QAction::triggered, this,
                [this, interval = kSpeedIntervalsMs[i]] { SpeedClick(interval); });

    connect(menu_.Popis2, &QAction::triggered, this, &MainWindow::Popis2Click);
    connect(menu_.Oprogramu1, &QAction::triggered, this, &MainWindow::Oprogramu1Click);

    connect(T1, &QTimer::timeout, this, [this] { controller_.T1Timer(); });
    connect(_1, &QTimer::timeout, this, [this] { controller_._1Timer(); });
    connect(_2, &QTimer::timeout, this, [this] { controller_._2Timer(); });
    connect(_3, &QTimer::timeout, this, [this] { controller_._3Timer(); });

    connect(p2, &CountersPanel::Resized, this, &MainWindow::KeepCountersInside);
}

void MainWindow::_startClick()
{
    ResetAllCells();
    Start1Click();
}

void MainWindow::CompleteStartUpNow()
{
    if (!startUpComplete_)
        emit StartUpNeeded();
}

// The dialog itself starts the test once it accepts a name; how it closed is not examined.
void MainWindow::Start1Click()
{
    CompleteStartUpNow();
    _pause->setEnabled(true);
    _konec->setEnabled(true);
    _start->setEnabled(false);
    if (names_)
        names_->exec();
}

void MainWindow::_pauseClick()
{
    ResetAllCells();
    if (_pause->text() == tr("Pause")) {
        _pause->setText(tr("Pokračuj"));
        _konec->setEnabled(false);
        controller_.PauseTest();
    } else {
        _pause->setText(tr("Pause"));
        _konec->setEnabled(true);
        controller_.ContinueTest();
    }
}

// A results file that cannot be written has been reported; the buttons return to idle and
// the chart shows all the same.
void MainWindow::_konecClick()
{
    controller_.EndTest();
    store_.SaveResults(controller_.Log().records, controller_.PersonName());
    endedTest_ = store_.LastSave();
    endedTestIsBest_ =
        IsPersonalBest(SummariseLog(controller_.Log().records), store_.DataDirectory(),
                       controller_.PersonName(), store_.SavedFileName());
    _pause->setEnabled(false);
    _konec->setEnabled(false);
    _start->setEnabled(true);
    Konec1Click();
}

// "Výsledky": during a test first acts as the Pause button, so a running test pauses and a
// paused one continues behind the chart. A test under way has no file yet: its export names
// the person and the minute a save would carry.
void MainWindow::Konec1Click()
{
    CompleteStartUpNow();
    const bool underWay = controller_.TestUnderWay();
    if (underWay)
        _pauseClick();
    const TestLabel test =
        underWay ? TestLabel{controller_.PersonName(), store_.Now(), {}} : endedTest_;
    if (chart_)
        chart_->ShowResultsChart(controller_.Log().records, test, !underWay && endedTestIsBest_);
}

void MainWindow::Archiv1Click()
{
    CompleteStartUpNow();
    if (archive_)
        archive_->ShowArchive();
}

// Nothing is saved: the test under way is dropped with the program, once the user agrees.
void MainWindow::Konec2Click()
{
    if (!MayQuit())
        return;
    controller_.QuitTest();
    quitDecided_ = true;
    if (!close())
        quitDecided_ = false;
}

// Ctrl+X lies beside the answer keys Z X C V: one stroke must not throw a test away.
bool MainWindow::MayQuit()
{
    // The buttons read "under way" also while the next test is being named after a saved one.
    if (!controller_.TestUnderWay())
        return true;
    if (quitQuestion_) // asked already
        return false;
    const bool running = !controller_.Paused();
    if (running)
        _pauseClick();
    QMessageBox question(QMessageBox::Question, ApplicationTitle(),
                         tr("Test ještě běží. Ukončit program bez uložení výsledků?"),
                         QMessageBox::NoButton, this);
    QAbstractButton *yes = question.addButton(tr("Ano"), QMessageBox::YesRole);
    QPushButton *no = question.addButton(tr("Ne"), QMessageBox::NoRole);
    question.setDefaultButton(no);
    question.setEscapeButton(no);
    quitQuestion_ = &question;
    question.exec();
    quitQuestion_ = nullptr;
    if (endingBySignal_)
        return true;
    const bool quit = question.clickedButton() == yes;
    if (!quit && running)
        _pauseClick();
    return quit;
}

void MainWindow::EndBySignal()
{
    if (closed_ || endingBySignal_)
        return;
    endingBySignal_ = true;
    KeepUnsavedTest();
    // The close that asks goes on to its end once its question is gone.
    if (quitQuestion_) {
        quitQuestion_->reject();
        return;
    }
    controller_.QuitTest();
    quitDecided_ = true;
    close();
}

// Kept as a failed save is, in the user's own folder, whatever the data directory is; without
// a box, which an ending session would never see answered. Only the attempts that the test
// finished: a test that was saved is over and is not kept again.
void MainWindow::KeepUnsavedTest()
{
    if (!controller_.TestUnderWay() || controller_.FinishedAttempts() == 0)
        return;
    store_.KeepInFallbackFolder(controller_.FinishedRecords(), controller_.PersonName());
}

// While a test is under way only the radio mark changes.
void MainWindow::StartLengthClick(int length)
{
    if (!_start->isEnabled())
        return;
    controller_.Log().records[0].length = length;
    p2->SetLengthText(QString::number(length));
}

// A running T1 restarts with the new interval, so the next step comes one new interval
// later; the speed already in force leaves T1's rhythm alone.
void MainWindow::SpeedClick(int intervalMs)
{
    if (T1->interval() != intervalMs)
        T1->setInterval(intervalMs);
}

void MainWindow::Popis2Click()
{
    CompleteStartUpNow();
    if (help_)
        help_->ShowHelp();
}

void MainWindow::Oprogramu1Click()
{
    CompleteStartUpNow();
    if (about_)
        about_->exec();
}

} // namespace vorlant
