#pragma once

#include "board/cell_widget.h"

#include <QPixmap>

namespace vorlant {

// A cell of the picture board: its picture stretched over the cell. While the cell is lit
// the picture is hidden and the panel shows through; the cell itself stays in place so
// that it keeps receiving the mouse.
class PictureCell : public CellWidget
{
    Q_OBJECT
public:
    // Loads the picture from file; a file that cannot be loaded leaves the cell empty.
    PictureCell(const QString &file, QWidget *parent);
    // A cell without a picture yet.
    explicit PictureCell(QWidget *parent);

    // Loads the picture from file, shown unless the cell is lit; a file that cannot be
    // loaded leaves the cell empty.
    void setPictureFile(const QString &file);

    void setPictureShown(bool shown);
    bool isPictureShown() const { return m_shown; }
    bool hasPicture() const { return !m_picture.isNull(); }

private:
    QPixmap m_picture;
    bool m_shown = true;
};

} // namespace vorlant
