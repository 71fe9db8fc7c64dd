#include "board/keyboard_answers.h"

#include "board/answer_keys.h"
#include "board/board.h"
#include "board/cell_widget.h"
#include "board/picture_cell.h"

#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace vorlant {
namespace {

// With these held a key is a command (Ctrl+X ends the program), never an answer. Shift is no
// such key: the Czech layout types the digits with it.
constexpr Qt::KeyboardModifiers kCommandModifiers =
    Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

} // namespace

KeyboardAnswers::KeyboardAnswers(Board &board, QWidget &window, MonotonicClock clock)
    : QObject(&board), m_board(board), m_clock(std::move(clock)), m_settle(new QTimer(this))
{
    m_settle->setObjectName(QStringLiteral("keyUpSettle"));
    m_settle->setSingleShot(true);
    m_settle->setInterval(kSettleMs);
    connect(m_settle, &QTimer::timeout, this, &KeyboardAnswers::answerReleases);
    window.installEventFilter(this);
    for (int index = 0; index < kCellCount; ++index) {
        board.textCell(index)->installEventFilter(this);
        board.pictureCell(index)->installEventFilter(this);
    }
}

bool KeyboardAnswers::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        // A click on a cell is an answer too: a key that came up before it goes first.
        if (qobject_cast<CellWidget *>(watched) && !m_released.empty())
            answerReleases();
        break;
    case QEvent::KeyPress:
        return keyDown(static_cast<const QKeyEvent &>(*event));
    case QEvent::KeyRelease:
        return keyUp(static_cast<const QKeyEvent &>(*event));
    case QEvent::WindowDeactivate:
        letGoOfAllKeys();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool KeyboardAnswers::keyDown(const QKeyEvent &key)
{
    const std::optional<CellPosition> cell = CellForAnswerKey(key.nativeScanCode());
    if (!cell || (key.modifiers() & kCommandModifiers))
        return false;
    if (key.isAutoRepeat())
        return true;
    const auto index = std::size_t(CellIndex(*cell));
    // The second half of an unmarked repeat: the key never came up. (Events made up by a
    // program may carry no time at all.)
    if (key.timestamp() != 0 && key.timestamp() == m_lastRelease[index]) {
        std::erase(m_released, int(index));
        return true;
    }
    answerReleases();
    if (!m_board.isInputOpen())
        return true;
    m_held[index] = true;
    m_board.pressCell(*cell);
    return true;
}

bool KeyboardAnswers::keyUp(const QKeyEvent &key)
{
    const std::optional<CellPosition> cell = CellForAnswerKey(key.nativeScanCode());
    if (!cell)
        return false;
    if (key.isAutoRepeat())
        return true;
    const auto index = std::size_t(CellIndex(*cell));
    m_lastRelease[index] = key.timestamp();
    m_releasedAt[index] = m_clock();
    if (m_held[index] &&
        std::find(m_released.begin(), m_released.end(), int(index)) == m_released.end()) {
        m_released.push_back(int(index));
        m_settle->start();
    }
    return true;
}

void KeyboardAnswers::answerReleases()
{
    m_settle->stop();
    for (const int index : std::exchange(m_released, {})) {
        m_held[std::size_t(index)] = false;
        emit cellAnswered(CellAt(index), m_releasedAt[std::size_t(index)]);
        m_board.releaseCell(CellAt(index), false);
    }
}

// A key that came up is answered; one still down goes back as a mouse button released outside
// its cell does, unanswered.
void KeyboardAnswers::letGoOfAllKeys()
{
    answerReleases();
    for (int index = 0; index < kCellCount; ++index)
        if (std::exchange(m_held[std::size_t(index)], false))
            m_board.releaseCell(CellAt(index), false);
}

} // namespace vorlant
