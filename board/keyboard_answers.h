#pragma once

#include "engine/clock.h"
#include "engine/sequence.h"

#include <QObject>

#include <array>
#include <cstdint>
#include <vector>

class QKeyEvent;
class QTimer;
class QWidget;

namespace vorlant {

class Board;

// Answering with the keyboard. While input is open, an answer key (CellForAnswerKey) going down
// lights its cell as a mouse press does, and coming up answers the cell as a left click does.
// Watches the keys that reach the window, whichever of its controls has the focus, so the board
// needs no focus of its own; other windows, the name dialog among them, keep their typing.
//
// A held key repeats. Its repeats answer nothing, also where the platform does not mark them:
// X11 sends each repeat as a release and a press with one timestamp, and Qt marks the pair only
// when the press has already arrived as it reads the release. So a key coming up is answered
// only after a short settling time without such a press, or as soon as another answer comes
// (another key, a mouse button on a cell), which goes after it. Its answer carries the time it
// came up, so the settling time never counts as the user's.
class KeyboardAnswers : public QObject
{
    Q_OBJECT
public:
    // The pair of a repeat comes from the window system at once, well within this time, and
    // nobody notices an answer coming this much later.
    static constexpr int kSettleMs = 50;

    // Watches window's keys and the mouse on the cells for the board; a child of the board.
    // clock times the releases.
    KeyboardAnswers(Board &board, QWidget &window, MonotonicClock clock);

signals:
    // A key answered its cell; it came up at releasedAtMs on the clock.
    void cellAnswered(vorlant::CellPosition position, qint64 releasedAtMs);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyDown(const QKeyEvent &key);
    bool keyUp(const QKeyEvent &key);
    // Answers the releases that were not repeats, in the order the keys came up.
    void answerReleases();
    // The window lost the keyboard: the keys held now will not be seen coming up.
    void letGoOfAllKeys();

    Board &m_board;
    MonotonicClock m_clock;
    // By cell index: answer keys that went down while input was open and are not answered yet,
    // the timestamp of each key's last release and when on the clock it came.
    std::array<bool, kCellCount> m_held{};
    std::array<std::uint64_t, kCellCount> m_lastRelease{};
    std::array<std::int64_t, kCellCount> m_releasedAt{};
    std::vector<int> m_released; // held keys that came up, waiting out the settling time
    QTimer *m_settle;            // objectName "keyUpSettle"
};

} // namespace vorlant
