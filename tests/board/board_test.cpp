#include "board/board.h"
#include "board/cell_widget.h"
#include "board/picture_cell.h"
#include "board/picture_folder.h"
#include "board/picture_list.h"
#include "board_test_support.h"
#include "tests/support/recording_sink.h"

#include <QFrame>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace vorlant {
namespace {

// The board on the client area of a main window with a menu bar, as the program has it.
class BoardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing::RecordingSink sink;
        PictureFolder().unpack(sink);
        m_pictures.build(QStringLiteral("obr_deti"));
        m_window.menuBar()->addMenu(QStringLiteral("Nastavení"));
        m_window.setCentralWidget(m_client);
        m_counters->resize(31, 45);
        m_board = new Board(m_client, m_counters, m_pictures, m_random, [this] { return m_open; });
        QObject::connect(m_board, &Board::cellClicked, m_board, [this](CellPosition position) {
            m_clicks.push_back(position);
            m_litAtClick = isLit(CellIndex(position)); // release feedback must not have run yet
            m_open = m_open && !m_wrongAnswers;
        });
        m_board->setFaceMode(FaceMode::Empty);
        m_window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_window));
    }

    // Lit: text cell yellow and picture hidden; restored: silver and shown. Never half of each.
    bool isLit(int index) const
    {
        const bool text = m_board->textCell(index)->background() == QColor(Qt::yellow);
        EXPECT_EQ(text, !m_board->pictureCell(index)->isPictureShown()) << index;
        EXPECT_EQ(!text, m_board->textCell(index)->background() == QColor(Qt::lightGray))
            << index; // silver
        return text;
    }

    testing::ScopedCurrentDir m_dir;
    PictureList m_pictures;
    RandomGenerator m_random{20240607};
    QMainWindow m_window;
    QWidget *m_client = new QWidget(&m_window);
    QWidget *m_counters = new QWidget(m_client);
    Board *m_board = nullptr;
    bool m_open = false;         // answers are being taken
    bool m_wrongAnswers = false; // every click closes the answers, as a wrong one does
    std::vector<CellPosition> m_clicks;
    bool m_litAtClick = false;
};

TEST_F(BoardTest, EveryFaceModeSetsCaptionsAndCentresTheFixedWindowAgain)
{
    using enum FaceMode;
    const char *numbers = "0123456789ABCDEF", *letters = "ABCDEFGHIJKLMNOP";
    const std::pair<FaceMode, const char *> steps[] = {
        {Numbers, numbers}, {Pictures, numbers}, {Letters, letters}, {Empty, ""}, {Pictures, ""}};
    for (const auto &[mode, captions] : steps) {
        m_window.move(3, 4);
        m_board->setFaceMode(mode);
        QString shown; // row by row
        for (int i = 0; i < kCellCount; ++i)
            shown += m_board->textCell(CellIndex({i / 4, i % 4}))->text();
        EXPECT_EQ(shown, QString::fromLatin1(captions));
        EXPECT_EQ(m_board->picturePanel()->isVisible(), mode == Pictures);
        EXPECT_EQ(m_window.minimumSize(), m_window.maximumSize()); // not resizable
        const QRect desktop = m_window.screen()->availableGeometry();
        const QSize outer = m_window.frameGeometry().size();
        const QPoint centred(desktop.left() + (desktop.width() - outer.width()) / 2,
                             desktop.top() + (desktop.height() - outer.height()) / 2);
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_window.frameGeometry().topLeft() == centred; }));
    }
}

// With answers open any button lights the cell while held; a left click reports the cell's own
// position before the release feedback restores it.
TEST_F(BoardTest, EveryCellOnScreenLightsWhilePressedAndReportsItsOwnPosition)
{
    m_open = true;
    for (bool pictures : {false, true}) {
        m_board->setFaceMode(pictures ? FaceMode::Pictures : FaceMode::Numbers);
        const QWidget *panel = pictures ? m_board->picturePanel() : m_board->textPanel();
        const int side = pictures ? 90 : 60;
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 4; ++column) {
                SCOPED_TRACE(::testing::Message() << pictures << " " << row << "," << column);
                // Found by where it stands, not by its array index.
                const QRect place(20 + column * (side + 20), 20 + row * (side + 20), side, side);
                auto *target = qobject_cast<CellWidget *>(panel->childAt(place.center()));
                ASSERT_NE(target, nullptr);
                const int index = CellIndex({row, column});
                for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
                    m_clicks.clear();
                    m_litAtClick = false;
                    QTest::mousePress(target, button);
                    EXPECT_TRUE(isLit(index));
                    EXPECT_TRUE(m_clicks.empty());
                    QTest::mouseRelease(target, button);
                    EXPECT_FALSE(isLit(index));
                    const bool left = button == Qt::LeftButton;
                    EXPECT_EQ(m_clicks, std::vector<CellPosition>(left, {row, column}));
                    EXPECT_EQ(m_litAtClick, left);
                }
            }
        }
    }
    // Released over another cell: feedback for the pressed one, no click anywhere.
    PictureCell *first = m_board->pictureCell(0);
    QTest::mousePress(first, Qt::LeftButton);
    QTest::mouseRelease(first, Qt::LeftButton, {},
                        m_board->pictureCell(5)->geometry().center() - first->pos());
    EXPECT_FALSE(isLit(0));
    EXPECT_TRUE(m_clicks.empty());
}

TEST_F(BoardTest, WithAnswersClosedReleaseLeavesOnlyTheGuardedCellsLit)
{
    m_wrongAnswers = true;
    for (int index = 0; index < kCellCount; ++index) {
        const bool guarded = index == 11 || index == 15;
        m_open = true; // a wrong click: lit on press, answers closed before the release feedback
        QTest::mouseClick(m_board->textCell(index), Qt::LeftButton);
        EXPECT_EQ(isLit(index), guarded) << index;
        m_board->resetAll();
        QTest::mousePress(m_board->textCell(index), Qt::LeftButton);
        EXPECT_FALSE(isLit(index)) << index;
        m_board->light(CellAt(index)); // lit by the sequence display meanwhile
        QTest::mouseRelease(m_board->textCell(index), Qt::LeftButton);
        EXPECT_EQ(isLit(index), guarded) << index;
    }
}

} // namespace
} // namespace vorlant
