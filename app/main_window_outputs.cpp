// How the test engine reaches the counters, the board, the speakers and the timers.
#include "app/counters_panel.h"
#include "app/main_window.h"
#include "board/board.h"
#include "board/qt_colour.h"
#include "board/sound_player.h"

#include <QTimer>

namespace vorlant {

void MainWindow::SetLengthText(const std::string &text)
{
    p2->SetLengthText(QString::fromStdString(text));
}

void MainWindow::PlaySound(std::string_view name)
{
    if (sounds_)
        sounds_->play(name);
}

void MainWindow::SetLengthBackground(Colour colour)
{
    p2->SetLengthBackground(ToQColor(colour));
}

void MainWindow::SetLengthTextColour(Colour colour)
{
    p2->SetLengthTextColour(ToQColor(colour));
}

void MainWindow::SetPositionText(const std::string &text)
{
    p2->SetPositionText(QString::fromStdString(text));
}

void MainWindow::SetPanelColour(Colour colour)
{
    if (board_)
        board_->setPanelColour(colour);
}

void MainWindow::ResetAllCells()
{
    if (board_)
        board_->resetAll();
}

void MainWindow::LightCell(CellPosition cell)
{
    if (board_)
        board_->light(cell);
}

void MainWindow::RestoreCell(CellPosition cell)
{
    if (board_)
        board_->restore(cell);
}

void MainWindow::SetDefaultCursors()
{
    if (board_)
        board_->setDefaultCursors();
}

void MainWindow::SetHandCursors()
{
    if (board_)
        board_->setHandCursors();
}

QTimer *MainWindow::TimerFor(Timer timer) const
{
    switch (timer) {
    case Timer::T1:
        return T1;
    case Timer::Round:
        return _1;
    case Timer::Completion:
        return _2;
    case Timer::Rest:
        return _3;
    }
    return nullptr;
}

// Starting a running timer again would shift its rhythm.
void MainWindow::SetTimerActive(Timer timer, bool active)
{
    QTimer *qtimer = TimerFor(timer);
    if (!qtimer || qtimer->isActive() == active)
        return;
    if (active)
        qtimer->start();
    else
        qtimer->stop();
}

// The log has no room for another attempt: the test ends as by the Konec button.
void MainWindow::LogFull()
{
    _konecClick();
}

} // namespace vorlant
