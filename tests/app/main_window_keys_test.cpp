#include "board/board.h"
#include "board/cell_widget.h"
#include "board/picture_cell.h"
#include "tests/app/program_rig.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWindow>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>

namespace vorlant {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const QColor kYellow(0xFF, 0xFF, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);

// An answer key as the X11 platform delivers it from a Czech QWERTZ keyboard: the scan code
// (X keycode) of its place, and the key and text that the layout gives it there.
struct Key
{
    std::uint32_t scanCode;
    QString text;
};

// The answer keys by the row and column of the keyboard they stand in.
const Key kCzechKeys[kBoardSide][kBoardSide] = {
    {{10, "+"}, {11, "ě"}, {12, "š"}, {13, "č"}},
    {{24, "q"}, {25, "w"}, {26, "e"}, {27, "r"}},
    {{38, "a"}, {39, "s"}, {40, "d"}, {41, "f"}},
    {{52, "y"}, {53, "x"}, {54, "c"}, {55, "v"}},
};

const Key &KeyAt(CellPosition cell)
{
    return kCzechKeys[cell.row][cell.column];
}

using testing::OtherCell;

class KeyboardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        main.show();
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    }

    // Starts a test by the Start button and brings the main window back to the front.
    void StartTest()
    {
        rig.startWithName([&] { QTest::mouseClick(rig.button("_start"), Qt::LeftButton); }, "Eva");
        main.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    }

    // Sends a key the way the window system does: to the window that has the keyboard, which
    // hands it to its control with the focus. Each event comes a little later than the one
    // before unless it is given its time.
    void SendKey(QEvent::Type type, const Key &key, bool autoRepeat = false,
                 Qt::KeyboardModifiers modifiers = Qt::NoModifier, std::uint64_t time = 0)
    {
        QWindow *window = QGuiApplication::focusWindow();
        ASSERT_NE(window, nullptr);
        const auto qtKey = Qt::Key(key.text.toUpper().at(0).unicode());
        QKeyEvent event(type, qtKey, modifiers, key.scanCode, 0, 0,
                        type == QEvent::KeyPress ? key.text : QString(), autoRepeat);
        keyTime_ = time ? time : keyTime_ + 90;
        event.setTimestamp(keyTime_);
        QCoreApplication::sendEvent(window, &event);
    }
    void Press(const Key &key) { SendKey(QEvent::KeyPress, key); }
    // The key comes up, and the settling time for a repeat's press passes.
    void Release(const Key &key)
    {
        SendKey(QEvent::KeyRelease, key);
        if (rig.timer("keyUpSettle")->isActive())
            rig.fire("keyUpSettle");
    }
    // What a key held long enough sends between its press and its release, in both ways Qt
    // passes it on: a release and a press marked as repeats, and, on X11 when Qt misses the
    // pair, an unmarked release and press with one timestamp.
    void Repeat(const Key &key)
    {
        SendKey(QEvent::KeyRelease, key, true);
        SendKey(QEvent::KeyPress, key, true);
        SendKey(QEvent::KeyRelease, key);
        SendKey(QEvent::KeyPress, key, false, Qt::NoModifier, keyTime_);
        if (rig.timer("keyUpSettle")->isActive())
            rig.fire("keyUpSettle");
    }
    void Tap(const Key &key)
    {
        Press(key);
        Release(key);
    }

    // Every cell's state on both boards, lit or not; the two boards must agree.
    std::vector<CellPosition> LitCells() const
    {
        std::vector<CellPosition> lit;
        for (int index = 0; index < kCellCount; ++index) {
            const bool text = board.textCell(index)->background() == kYellow;
            EXPECT_EQ(text, !board.pictureCell(index)->isPictureShown()) << index;
            if (text)
                lit.push_back(CellAt(index));
        }
        return lit;
    }
    std::int32_t Position() const { return main.Controller().Position(); }
    const AttemptRecord &Record(int index) const
    {
        return main.Controller().Log().records.at(std::size_t(index));
    }
    QColor LengthBackground() const { return rig.label("_poc")->palette().color(QPalette::Window); }

    testing::ProgramRig rig;
    MainWindow &main = rig.main();
    Board &board = *main.GameBoard();
    std::uint64_t keyTime_ = 1000;
};

TEST_F(KeyboardTest, KeysAnswerARoundAsLeftClicksDoWhicheverControlHasTheFocus)
{
    StartTest();
    rig.button("_Pause")->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), rig.button("_Pause"));

    // A right attempt: each key lights its cell while down and is judged when it comes up.
    const std::vector<CellPosition> shown = rig.showRound();
    for (int slot = 0; slot < 4; ++slot) {
        const CellPosition cell = shown[std::size_t(slot)];
        Press(KeyAt(cell));
        EXPECT_THAT(LitCells(), ElementsAre(cell)) << "slot " << slot;
        EXPECT_EQ(Position(), slot) << "nothing judged while the key is down";
        Release(KeyAt(cell));
        EXPECT_THAT(LitCells(), IsEmpty());
        EXPECT_EQ(Position(), slot + 1);
    }
    rig.fire("_2");
    EXPECT_TRUE(Record(0).success);

    // A wrong key ends the next attempt.
    rig.rest();
    Tap(KeyAt(OtherCell(rig.showRound().at(0))));
    EXPECT_EQ(LengthBackground(), kRed);
    rig.fire("_2");
    EXPECT_FALSE(Record(1).success);
}

TEST_F(KeyboardTest, OutsideInputAndOnAutoRepeatKeysDoNothing)
{
    const auto tapAll = [&] {
        for (const auto &row : kCzechKeys)
            for (const Key &key : row)
                Tap(key);
    };
    // While the sequence is shown: the cell lit by the display stays lit, nothing is judged.
    StartTest();
    rig.fire("_1");
    rig.fire("T1");
    rig.fire("T1");
    const std::vector<CellPosition> displayed = LitCells();
    ASSERT_EQ(displayed.size(), 1u);
    tapAll();
    EXPECT_EQ(LitCells(), displayed);
    // A key held from the display on gives its repeats and its release during input.
    Press(KeyAt(displayed[0]));
    while (rig.timer("T1")->isActive())
        rig.fire("T1");
    ASSERT_TRUE(main.Controller().InputOpen());
    Repeat(KeyAt(displayed[0]));
    EXPECT_THAT(LitCells(), IsEmpty());
    Release(KeyAt(displayed[0]));
    EXPECT_EQ(Position(), 0) << "a key that went down before input opened answers nothing";

    // During input: a held key's repeats neither answer nor let the cell go.
    Press(KeyAt(displayed[0]));
    Repeat(KeyAt(displayed[0]));
    Press(KeyAt(displayed[0])); // a repeat by a press alone
    EXPECT_THAT(LitCells(), ElementsAre(displayed[0]));
    EXPECT_EQ(Position(), 0);
    Release(KeyAt(displayed[0]));
    EXPECT_EQ(Position(), 1) << "answered once";
    // A repeat without a press, and keys with Ctrl or Alt, answer nothing.
    SendKey(QEvent::KeyPress, KeyAt(displayed[0]), true);
    SendKey(QEvent::KeyPress, KeyAt(OtherCell(displayed[0])), false, Qt::ControlModifier);
    SendKey(QEvent::KeyPress, KeyAt(OtherCell(displayed[0])), false, Qt::AltModifier);
    EXPECT_THAT(LitCells(), IsEmpty());
    SendKey(QEvent::KeyRelease, KeyAt(OtherCell(displayed[0])), false, Qt::ControlModifier);
    EXPECT_EQ(Position(), 1);

    // Paused.
    QTest::mouseClick(rig.button("_Pause"), Qt::LeftButton);
    tapAll();
    EXPECT_THAT(LitCells(), IsEmpty());
    EXPECT_EQ(Position(), 1);
}

TEST_F(KeyboardTest, TheNameDialogKeepsItsTypingAndAHeldKeyIsLetGoWhenItOpens)
{
    StartTest();
    const CellPosition first = rig.showRound().at(0);
    Press(KeyAt(OtherCell(first)));
    ASSERT_THAT(LitCells(), ElementsAre(OtherCell(first)));

    // The menu item "Start" opens the name dialog while the round's input is open.
    WhileModal([&] { rig.action("Start1")->trigger(); },
               [&](QWidget &dialog) {
                   ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
                   EXPECT_THAT(LitCells(), IsEmpty()) << "the held key is let go unanswered";
                   EXPECT_EQ(Position(), 0);
                   for (const Key &key : {kCzechKeys[2][0], kCzechKeys[0][2], kCzechKeys[3][2]})
                       Tap(key);
                   EXPECT_EQ(Find<QLineEdit>(dialog, "_jmeno")->text(), "ašc");
                   EXPECT_EQ(Position(), 0);
                   QTest::mouseClick(Find<QPushButton>(dialog, "Button1"), Qt::LeftButton);
               });
    EXPECT_EQ(main.Controller().PersonName(), "ašc");

    // The held key's release reaches the main window after the dialog: it answers nothing.
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    Release(KeyAt(OtherCell(first)));
    EXPECT_EQ(Position(), 0);
}

// A key's answer waits out the settling time for a repeat. A click in that time must still be
// judged after it, and an attempt ended by a key records the time from the key's release, as
// one ended by a click at that moment would.
TEST_F(KeyboardTest, AnswersComeInTheOrderGivenAndAKeyCountsFromItsRelease)
{
    StartTest();
    std::vector<CellPosition> shown = rig.showRound();
    rig.click(shown[0]);
    rig.click(shown[1]);
    Press(KeyAt(shown[2]));
    rig.now += 300;
    SendKey(QEvent::KeyRelease, KeyAt(shown[2])); // still settling
    rig.now += 10;
    rig.click(shown[3]);
    EXPECT_EQ(Position(), 4);
    EXPECT_EQ(LengthBackground(), kYellow) << "the click was judged against the key's cell";
    rig.fire("_2");
    EXPECT_TRUE(Record(0).success);
    EXPECT_EQ(Record(0).elapsedMs, 310 + 50) << "noticed one completion interval after the click";

    rig.rest();
    shown = rig.showRound();
    const std::int64_t opened = rig.now;
    for (int slot = 0; slot < 3; ++slot)
        Tap(KeyAt(shown[std::size_t(slot)]));
    Press(KeyAt(shown[3]));
    rig.now += 200;
    const std::int64_t released = rig.now - opened;
    Release(KeyAt(shown[3]));
    rig.fire("_2");
    EXPECT_TRUE(Record(1).success);
    EXPECT_EQ(Record(1).elapsedMs, released + 50)
        << "one completion interval after the release, not after the settling time";
}

} // namespace
} // namespace vorlant
