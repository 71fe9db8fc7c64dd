#include "board/board.h"
#include "board/cell_widget.h"
#include "board/picture_cell.h"
#include "board/picture_folder.h"
#include "board/picture_list.h"
#include "board/qt_colour.h"
#include "board_test_support.h"
#include "engine/colours.h"

#include <QApplication>
#include <QFrame>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace vorlant {
namespace {

const QColor kSilverColour(0xC0, 0xC0, 0xC0);
const QColor kYellowColour(0xFF, 0xFF, 0x00);

class BoardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing::RecordingSink sink;
        PictureFolder().unpack(sink);
        m_pictures.build(QStringLiteral("obr_deti"));
        m_picturesBefore = m_pictures;
        m_randomBefore = m_random;
        makeBoard(std::make_unique<QWidget>());
    }

    void makeBoard(std::unique_ptr<QWidget> window, QWidget *host = nullptr)
    {
        m_window = std::move(window);
        m_host = host ? host : m_window.get();
        m_counters = new QWidget(m_host);
        m_counters->resize(31, 45);
        m_board =
            new Board(m_host, m_counters, m_pictures, m_random, [this] { return m_inputOpen; });
        QObject::connect(m_board, &Board::cellClicked, m_board, [this](CellPosition position) {
            m_clicks.push_back(position);
            m_litAtClick = isLit(CellIndex(position)); // release feedback must not have run yet
            if (m_closeInputOnClick)
                m_inputOpen = false; // as a wrong answer does
        });
        m_board->setFaceMode(FaceMode::Empty);
        m_window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_window.get()));
    }

    CellWidget *cell(bool pictures, int index) const
    {
        return pictures ? static_cast<CellWidget *>(m_board->pictureCell(index))
                        : m_board->textCell(index);
    }

    // Lit: text cell yellow and picture hidden; restored: silver and shown. Never half of each.
    bool isLit(int index) const
    {
        const bool text = m_board->textCell(index)->background() == kYellowColour;
        EXPECT_EQ(text, !m_board->pictureCell(index)->isPictureShown()) << index;
        EXPECT_EQ(!text, m_board->textCell(index)->background() == kSilverColour) << index;
        return text;
    }

    testing::ScopedCurrentDir m_dir;
    PictureList m_pictures, m_picturesBefore;
    RandomGenerator m_random{20240607}, m_randomBefore;
    std::unique_ptr<QWidget> m_window;
    QWidget *m_host = nullptr;
    QWidget *m_counters = nullptr;
    Board *m_board = nullptr;
    bool m_inputOpen = false;
    bool m_closeInputOnClick = false;
    std::vector<CellPosition> m_clicks;
    bool m_litAtClick = false;
};

TEST_F(BoardTest, EachBoardHasItsFixedGeometry)
{
    struct Case
    {
        FaceMode mode;
        int side;
        QRect panel;
        QPoint counters;
        QSize client;
    };
    const Case cases[] = {
        {FaceMode::Empty, 60, {20, 60, 340, 340}, {385, 60}, {431, 460}},
        {FaceMode::Pictures, 90, {20, 60, 460, 460}, {505, 60}, {551, 580}},
    };
    for (const Case &c : cases) {
        m_board->setFaceMode(c.mode);
        const bool pictures = c.mode == FaceMode::Pictures;
        QFrame *shown = pictures ? m_board->picturePanel() : m_board->textPanel();
        QFrame *hidden = pictures ? m_board->textPanel() : m_board->picturePanel();
        EXPECT_EQ(shown->objectName(), pictures ? QStringLiteral("P3") : QStringLiteral("P1"));
        EXPECT_TRUE(shown->isVisible());
        EXPECT_FALSE(hidden->isVisible());
        EXPECT_EQ(shown->geometry(), c.panel);
        EXPECT_EQ(m_counters->pos(), c.counters);
        EXPECT_EQ(m_host->size(), c.client);
        EXPECT_EQ(m_host->minimumSize(), m_host->maximumSize()); // not resizable
        for (int index = 0; index < kCellCount; ++index) {
            const int row = index % 4, column = index / 4;
            EXPECT_EQ(cell(pictures, index)->geometry(),
                      QRect(20 + column * (c.side + 20), 20 + row * (c.side + 20), c.side, c.side))
                << index;
            EXPECT_EQ(cell(pictures, index)->parentWidget(), shown);
        }
    }
    const CellWidget *text = m_board->textCell(5);
    EXPECT_EQ(text->font().family(), QStringLiteral("Arial"));
    EXPECT_EQ(text->font().pointSize(), 32);
    EXPECT_EQ(text->frameShadow(), QFrame::Sunken);
    EXPECT_EQ(text->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST_F(BoardTest, WindowIsCentredAgainAtEveryChangeOfFace)
{
    for (FaceMode mode : {FaceMode::Pictures, FaceMode::Numbers}) {
        m_host->move(3, 4);
        m_board->setFaceMode(mode);
        const QRect desktop = m_host->screen()->availableGeometry();
        const QSize outer = m_host->frameGeometry().size();
        const QPoint centred(desktop.left() + (desktop.width() - outer.width()) / 2,
                             desktop.top() + (desktop.height() - outer.height()) / 2);
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_host->frameGeometry().topLeft() == centred; }))
            << "window at " << m_host->x() << "," << m_host->y();
    }
}

TEST_F(BoardTest, MainWindowFitsTheClientAreaBelowItsMenuBar)
{
    auto window = std::make_unique<QMainWindow>();
    window->menuBar()->addMenu(QStringLiteral("Nastavení"))->addAction(QStringLiteral("Obrázky"));
    auto *client = new QWidget;
    window->setCentralWidget(client);
    QMainWindow *main = window.get();
    m_pictures = m_picturesBefore;
    makeBoard(std::move(window), client);
    for (FaceMode mode : {FaceMode::Pictures, FaceMode::Empty}) {
        m_board->setFaceMode(mode);
        const QSize client = mode == FaceMode::Pictures ? QSize(551, 580) : QSize(431, 460);
        EXPECT_TRUE(QTest::qWaitFor([&] { return m_host->size() == client; }));
        EXPECT_EQ(main->minimumSize(), main->maximumSize());
        EXPECT_EQ(main->size(), client + QSize(0, main->menuBar()->height()));
    }
}

TEST_F(BoardTest, FaceModesSetCaptionsRowByRowAndPicturesKeepThem)
{
    struct Case
    {
        FaceMode mode;
        const char *rows[4];
        bool pictures;
    };
    const Case cases[] = {
        {FaceMode::Numbers, {"0123", "4567", "89AB", "CDEF"}, false},
        {FaceMode::Letters, {"ABCD", "EFGH", "IJKL", "MNOP"}, false},
        {FaceMode::Pictures, {"ABCD", "EFGH", "IJKL", "MNOP"}, true},
        {FaceMode::Empty, {"", "", "", ""}, false},
        {FaceMode::Pictures, {"", "", "", ""}, true},
        {FaceMode::Numbers, {"0123", "4567", "89AB", "CDEF"}, false},
    };
    for (const Case &c : cases) {
        m_board->setFaceMode(c.mode);
        for (int row = 0; row < 4; ++row) {
            QString shown;
            for (int column = 0; column < 4; ++column)
                shown += m_board->textCell(CellIndex({row, column}))->text();
            EXPECT_EQ(shown, QString::fromLatin1(c.rows[row])) << "row " << row;
        }
        EXPECT_EQ(m_board->picturePanel()->isVisible(), c.pictures);
        EXPECT_EQ(m_board->textPanel()->isVisible(), !c.pictures);
    }
}

TEST_F(BoardTest, PictureCellsShowSixteenPicksMadeInRowMajorOrder)
{
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int picked = m_picturesBefore.pick(m_randomBefore);
            const QImage expected =
                QImage(QStringLiteral("obr_deti/") + m_picturesBefore.fileName(picked));
            const PictureCell *cell = m_board->pictureCell(CellIndex({row, column}));
            EXPECT_TRUE(cell->hasScaledContents());
            EXPECT_EQ(cell->pixmap().toImage().convertToFormat(expected.format()), expected)
                << row << "," << column;
        }
    }
}

TEST_F(BoardTest, CellOperationsActOnTextAndPictureCellTogether)
{
    m_board->light({2, 1});
    m_board->light({3, 3});
    EXPECT_TRUE(isLit(6));
    EXPECT_TRUE(isLit(15));
    EXPECT_FALSE(isLit(9));
    EXPECT_TRUE(m_board->pictureCell(6)->pixmap().isNull());
    m_board->restore({2, 1});
    EXPECT_FALSE(isLit(6));
    EXPECT_FALSE(m_board->pictureCell(6)->pixmap().isNull());
    m_board->resetAll();
    for (int index = 0; index < kCellCount; ++index)
        EXPECT_FALSE(isLit(index));

    auto expectCursors = [this](Qt::CursorShape shape) {
        for (int index = 0; index < 2 * kCellCount; ++index)
            EXPECT_EQ(cell(index >= kCellCount, index % kCellCount)->cursor().shape(), shape);
    };
    m_board->setHandCursors();
    expectCursors(Qt::PointingHandCursor);
    m_board->setDefaultCursors();
    expectCursors(Qt::ArrowCursor);
}

TEST_F(BoardTest, PanelColourRecoloursBothPanelsButNotTheCells)
{
    EXPECT_EQ(m_board->textPanel()->palette().color(QPalette::Window), kYellowColour);
    for (const Colour &colour : {kMoneyGreen, kGradientActiveCaption, kButtonFace}) {
        m_board->setPanelColour(colour);
        for (const QFrame *panel : {m_board->textPanel(), m_board->picturePanel()})
            EXPECT_EQ(panel->palette().color(QPalette::Window), ToQColor(colour));
        EXPECT_EQ(m_board->textCell(0)->background(), kSilverColour);
    }
}

TEST(ToQColor, ResolvesFixedColoursAndSystemRoles)
{
    EXPECT_EQ(ToQColor(kSilver), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(ToQColor(kMoneyGreen), QColor(0xC0, 0xDC, 0xC0));
    EXPECT_EQ(ToQColor(kButtonFace), QApplication::palette().color(QPalette::Button));
    EXPECT_EQ(ToQColor(kGradientActiveCaption), QColor(0xB9, 0xD1, 0xEA));
}

TEST_F(BoardTest, EveryCellOnScreenReportsItsOwnPositionOnBothBoards)
{
    for (bool pictures : {false, true}) {
        m_board->setFaceMode(pictures ? FaceMode::Pictures : FaceMode::Numbers);
        const QWidget *panel = pictures ? m_board->picturePanel() : m_board->textPanel();
        const int side = pictures ? 90 : 60;
        for (int row = 0; row < 4; ++row) {
            for (int column = 0; column < 4; ++column) {
                // Found by where it stands, not by its array index.
                const QPoint middle(20 + column * (side + 20) + side / 2,
                                    20 + row * (side + 20) + side / 2);
                auto *target = qobject_cast<CellWidget *>(panel->childAt(middle));
                ASSERT_NE(target, nullptr);
                m_clicks.clear();
                QTest::mouseClick(target, Qt::LeftButton);
                EXPECT_EQ(m_clicks, (std::vector<CellPosition>{{row, column}}))
                    << "pictures " << pictures << " row " << row << " column " << column;
            }
        }
    }
}

TEST_F(BoardTest, ClickIsReportedBeforeTheReleaseFeedbackRestoresTheCell)
{
    m_inputOpen = true;
    for (bool pictures : {false, true}) {
        m_board->setFaceMode(pictures ? FaceMode::Pictures : FaceMode::Empty);
        m_clicks.clear();
        QTest::mousePress(cell(pictures, 9), Qt::LeftButton);
        EXPECT_TRUE(isLit(9));
        EXPECT_TRUE(m_clicks.empty());
        QTest::mouseRelease(cell(pictures, 9), Qt::LeftButton);
        EXPECT_EQ(m_clicks, (std::vector<CellPosition>{{1, 2}}));
        EXPECT_TRUE(m_litAtClick);
        EXPECT_FALSE(isLit(9));
    }
}

TEST_F(BoardTest, WrongClickLeavesOnlyTheTwoGuardedCellsLit)
{
    m_closeInputOnClick = true;
    for (int index = 0; index < kCellCount; ++index) {
        m_inputOpen = true;
        QTest::mouseClick(m_board->textCell(index), Qt::LeftButton);
        EXPECT_EQ(isLit(index), index == 11 || index == 15) << index;
    }
    EXPECT_EQ(m_clicks.size(), std::size_t(kCellCount));
}

TEST_F(BoardTest, WithInputClosedPressDoesNothingAndReleaseRestoresFourteenCells)
{
    for (int index = 0; index < kCellCount; ++index) {
        m_board->resetAll();
        QTest::mousePress(m_board->textCell(index), Qt::LeftButton);
        EXPECT_FALSE(isLit(index)) << index;
        QTest::mouseRelease(m_board->textCell(index), Qt::LeftButton);
        m_board->light(CellAt(index)); // lit by the sequence display
        QTest::mouseClick(m_board->textCell(index), Qt::RightButton);
        EXPECT_EQ(isLit(index), index == 11 || index == 15) << index;
    }
}

TEST_F(BoardTest, RightAndMiddleButtonsGiveFeedbackButNoClick)
{
    m_inputOpen = true;
    m_board->setFaceMode(FaceMode::Pictures);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mousePress(cell(true, 15), button);
        EXPECT_TRUE(isLit(15));
        QTest::mouseRelease(cell(true, 15), button);
        EXPECT_FALSE(isLit(15));
    }
    EXPECT_TRUE(m_clicks.empty());
}

TEST_F(BoardTest, ReleaseOutsideTheCellRestoresWithoutAClick)
{
    m_inputOpen = true;
    CellWidget *target = m_board->textCell(0);
    const QPoint overNeighbour =
        target->mapFrom(m_board->textPanel(), m_board->textCell(5)->geometry().center());
    QTest::mousePress(target, Qt::LeftButton);
    EXPECT_TRUE(isLit(0));
    QTest::mouseRelease(target, Qt::LeftButton, {}, overNeighbour);
    EXPECT_TRUE(m_clicks.empty());
    EXPECT_FALSE(isLit(0));
    EXPECT_FALSE(isLit(5));
}

TEST(BoardWithoutPictures, BuildsSixteenEmptyPictureCells)
{
    testing::ScopedCurrentDir dir; // no picture folder at all
    PictureList pictures;
    pictures.build(QStringLiteral("obr_deti"));
    RandomGenerator random(1);
    QWidget host;
    Board board(&host, nullptr, pictures, random, {});
    board.setFaceMode(FaceMode::Pictures);
    EXPECT_EQ(host.size(), QSize(520, 580)); // no counters panel beside the board
    for (int index = 0; index < kCellCount; ++index)
        EXPECT_FALSE(board.pictureCell(index)->hasPicture());
}

} // namespace
} // namespace vorlant
