#include "board/board.h"

#include "ui/window_placement.h"

#include "board/board_layout.h"
#include "board/cell_widget.h"
#include "board/picture_cell.h"
#include "board/picture_list.h"
#include "board/qt_colour.h"
#include "engine/colours.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>

#include <algorithm>

namespace vorlant {

namespace {

using namespace board_layout;

// The two cells of the bottom row's right half restore on release only while answers are
// taken, so a wrong click there stays lit until the next reset.
constexpr bool IsGuardedCell(int index)
{
    return index == 11 || index == 15;
}

QFrame *MakePanel(QWidget *host, const char *name)
{
    auto *panel = new QFrame(host);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, ToQColor(kYellow));
    panel->setPalette(palette);
    panel->hide();
    return panel;
}

} // namespace

Board::Board(QWidget *host, QWidget *counters, PictureList &pictures, RandomGenerator &random,
             std::function<bool()> inputOpen)
    : Board(host, counters, std::move(inputOpen))
{
    placePictures(pictures, random);
}

Board::Board(QWidget *host, QWidget *counters, std::function<bool()> inputOpen)
    : QObject(host), m_host(host), m_counters(counters), m_inputOpen(std::move(inputOpen)),
      m_textPanel(MakePanel(host, "P1")), m_picturePanel(MakePanel(host, "P3"))
{
    buildTextBoard();
    buildPictureBoard();
}

Board::~Board() = default;

void Board::buildTextBoard()
{
    QFont font(QStringLiteral("Arial"), 32);
    for (int row = 0; row < kBoardSide; ++row) {
        for (int column = 0; column < kBoardSide; ++column) {
            auto *cell = new CellWidget(m_textPanel);
            cell->setGeometry(
                QRect(CellOrigin(row, column, kTextCellSide), QSize(kTextCellSide, kTextCellSide)));
            cell->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            cell->setAlignment(Qt::AlignCenter);
            cell->setFont(font);
            cell->setAutoFillBackground(true);
            QPalette palette = cell->palette();
            palette.setColor(QPalette::WindowText, ToQColor(kBlack));
            cell->setPalette(palette);
            cell->setBackground(ToQColor(kSilver));
            cell->setCursor(Qt::ArrowCursor);
            m_textCells[std::size_t(CellIndex({row, column}))] = cell;
        }
    }
    for (int index = 0; index < kCellCount; ++index)
        wire(m_textCells[std::size_t(index)], index);
}

void Board::buildPictureBoard()
{
    for (int row = 0; row < kBoardSide; ++row) {
        for (int column = 0; column < kBoardSide; ++column) {
            auto *cell = new PictureCell(m_picturePanel);
            cell->setGeometry(QRect(CellOrigin(row, column, kPictureCellSide),
                                    QSize(kPictureCellSide, kPictureCellSide)));
            cell->setCursor(Qt::ArrowCursor);
            m_pictureCells[std::size_t(CellIndex({row, column}))] = cell;
        }
    }
    for (int index = 0; index < kCellCount; ++index)
        wire(m_pictureCells[std::size_t(index)], index);
}

// Row by row, as the cells were built, so the same draws give the same pictures.
void Board::placePictures(PictureList &pictures, RandomGenerator &random)
{
    for (int row = 0; row < kBoardSide; ++row) {
        for (int column = 0; column < kBoardSide; ++column) {
            const int picked = pictures.pick(random);
            m_pictureCells[std::size_t(CellIndex({row, column}))]->setPictureFile(
                pictures.filePath(picked));
        }
    }
}

void Board::wire(CellWidget *cell, int index)
{
    connect(cell, &CellWidget::clicked, this, [this, index] { emit cellClicked(CellAt(index)); });
    connect(cell, &CellWidget::pressed, this, [this, index] { pressFeedback(index); });
    connect(cell, &CellWidget::released, this, [this, index] { releaseFeedback(index); });
}

void Board::setFaceMode(FaceMode mode)
{
    switch (mode) {
    case FaceMode::Empty:
        setCaptions(nullptr);
        break;
    case FaceMode::Numbers:
        setCaptions("0123456789ABCDEF");
        break;
    case FaceMode::Letters:
        setCaptions("ABCDEFGHIJKLMNOP");
        break;
    case FaceMode::Pictures:
        showPictureBoard();
        return;
    }
    showTextBoard();
}

// The i-th character goes to row i / 4, column i % 4; no characters empties every caption.
void Board::setCaptions(const char *characters)
{
    for (int i = 0; i < kCellCount; ++i) {
        const CellPosition position{i / kBoardSide, i % kBoardSide};
        const QString caption = characters ? QString(QChar::fromLatin1(characters[i])) : QString();
        m_textCells[std::size_t(CellIndex(position))]->setText(caption);
    }
}

void Board::showTextBoard()
{
    showBoard(m_textPanel, m_picturePanel);
}

void Board::showPictureBoard()
{
    showBoard(m_picturePanel, m_textPanel);
}

void Board::showBoard(QFrame *shown, QFrame *hidden)
{
    const QWidget *lastCell =
        shown == m_textPanel ? static_cast<QWidget *>(m_textCells.back()) : m_pictureCells.back();
    const QSize panel(lastCell->x() + lastCell->width() + kCellGap,
                      lastCell->y() + lastCell->height() + kCellGap);
    shown->setGeometry(QRect(kPanelPosition, panel));
    int countersWidth = 0;
    if (m_counters) {
        m_counters->move(CountersPosition(panel));
        countersWidth = m_counters->width();
    }
    hidden->hide();
    shown->show();

    m_host->setFixedSize(ClientSize(panel, countersWidth));
    QWidget *window = m_host->window();
    if (window != m_host) {
        // Let the window's layout (menu bar, central widget) work out the size around the host.
        if (QLayout *layout = window->layout())
            layout->activate();
        window->setFixedSize(window->sizeHint());
    }
    centreWindow();
}

void Board::centreWindow()
{
    CentreOnScreen(*m_host->window());
}

void Board::light(CellPosition position)
{
    const auto index = std::size_t(CellIndex(position));
    m_textCells.at(index)->setBackground(ToQColor(kYellow));
    m_pictureCells.at(index)->setPictureShown(false);
}

void Board::restore(CellPosition position)
{
    const auto index = std::size_t(CellIndex(position));
    m_textCells.at(index)->setBackground(ToQColor(kSilver));
    m_pictureCells.at(index)->setPictureShown(true);
}

void Board::resetAll()
{
    for (int index = 0; index < kCellCount; ++index)
        restore(CellAt(index));
}

void Board::setDefaultCursors()
{
    setCursors(Qt::ArrowCursor);
}

void Board::setHandCursors()
{
    setCursors(Qt::PointingHandCursor);
}

void Board::setCursors(Qt::CursorShape shape)
{
    for (int index = 0; index < kCellCount; ++index) {
        m_textCells[std::size_t(index)]->setCursor(shape);
        m_pictureCells[std::size_t(index)]->setCursor(shape);
    }
}

void Board::setPanelColour(const Colour &colour)
{
    const QColor background = ToQColor(colour);
    for (QFrame *panel : {m_textPanel, m_picturePanel}) {
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, background);
        panel->setPalette(palette);
        panel->repaint();
    }
}

bool Board::isInputOpen() const
{
    return m_inputOpen && m_inputOpen();
}

void Board::pressFeedback(int index)
{
    if (isInputOpen())
        light(CellAt(index));
}

void Board::releaseFeedback(int index)
{
    if (!IsGuardedCell(index) || isInputOpen())
        restore(CellAt(index));
}

void Board::pressCell(CellPosition position)
{
    pressFeedback(CellIndex(position));
}

void Board::releaseCell(CellPosition position, bool clicked)
{
    if (clicked)
        emit cellClicked(position);
    releaseFeedback(CellIndex(position));
}

} // namespace vorlant
