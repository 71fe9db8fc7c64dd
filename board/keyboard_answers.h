#pragma once

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
// only after a short settling time without such a press.
class KeyboardAnswers : public QObject
{
    Q_OBJECT
public:
    // The pair of a repeat comes from the window system at once, well within this time, and
    // nobody notices an answer coming this much later.
    static constexpr int kSettleMs = 50;

    // Watches window's keys for the board; a child of the board.
    KeyboardAnswers(Board &board, QWidget &window);

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
    // By cell index: answer keys that went down while input was open and are not answered yet,
    // and the timestamp of each key's last release.
    std::array<bool, kCellCount> m_held{};
    std::array<std::uint64_t, kCellCount> m_lastRelease{};
    std::vector<int> m_released; // held keys that came up, waiting out the settling time
    QTimer *m_settle;            // objectName "keyUpSettle"
};

} // namespace vorlant
