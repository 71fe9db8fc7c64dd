#pragma once

#include "engine/random.h"
#include "engine/sequence.h"

#include <QObject>

#include <array>
#include <functional>

class QFrame;
class QWidget;

namespace vorlant {

class CellWidget;
class PictureCell;
class PictureList;
struct Colour;

// What the cells show.
enum class FaceMode
{
    Empty,
    Numbers,
    Letters,
    Pictures
};

// The sixteen cells of the playing field, kept twice: as text cells on the panel "P1" and as
// picture cells on the panel "P3", both indexed column * 4 + row. Every cell operation acts on
// both sets, so switching boards never loses a cell's state.
class Board : public QObject
{
    Q_OBJECT
public:
    // Builds both boards on host (the window's client area), drawing the sixteen pictures
    // from pictures. counters is the counters panel "p2" that the board places beside the
    // visible panel; inputOpen answers whether answers are being taken. Shows neither
    // board yet. The board is a child of host.
    Board(QWidget *host, QWidget *counters, PictureList &pictures, RandomGenerator &random,
          std::function<bool()> inputOpen);
    // Builds both boards with the picture cells still empty, for placePictures to fill.
    Board(QWidget *host, QWidget *counters, std::function<bool()> inputOpen);
    ~Board() override;

    // Gives each picture cell, in cell order, a picture drawn from pictures and loads it.
    void placePictures(PictureList &pictures, RandomGenerator &random);

    // Sets the captions (Empty, Numbers, Letters) and shows the text board, or shows the
    // picture board leaving the captions as they are (Pictures).
    void setFaceMode(FaceMode mode);

    // Sizes and places the panel and the counters panel, fixes the client area and the
    // window to fit, shows this panel, hides the other and centres the window.
    void showTextBoard();
    void showPictureBoard();

    // Centres the top-level window on its screen, frame included.
    void centreWindow();

    void light(CellPosition position);   // text cell yellow, picture hidden
    void restore(CellPosition position); // text cell silver, picture shown
    void resetAll();
    void setDefaultCursors();
    void setHandCursors();
    // Both panels' background, repainted at once.
    void setPanelColour(const Colour &colour);

    // What the left mouse button does on a cell, for answering without the mouse: going down
    // lights the cell while input is open; coming up reports a click when clicked, then gives
    // the release feedback.
    void pressCell(CellPosition position);
    void releaseCell(CellPosition position, bool clicked);
    bool isInputOpen() const;

    QFrame *textPanel() const { return m_textPanel; }
    QFrame *picturePanel() const { return m_picturePanel; }
    CellWidget *textCell(int index) const { return m_textCells.at(std::size_t(index)); }
    PictureCell *pictureCell(int index) const { return m_pictureCells.at(std::size_t(index)); }

signals:
    // A left click on a cell, reported before the release feedback runs.
    void cellClicked(vorlant::CellPosition position);

private:
    void buildTextBoard();
    void buildPictureBoard();
    void wire(CellWidget *cell, int index);
    void setCaptions(const char *characters);
    void showBoard(QFrame *shown, QFrame *hidden);
    void pressFeedback(int index);
    void releaseFeedback(int index);
    void setCursors(Qt::CursorShape shape);

    QWidget *m_host;
    QWidget *m_counters;
    std::function<bool()> m_inputOpen;
    QFrame *m_textPanel;
    QFrame *m_picturePanel;
    std::array<CellWidget *, kCellCount> m_textCells{};
    std::array<PictureCell *, kCellCount> m_pictureCells{};
};

} // namespace vorlant
