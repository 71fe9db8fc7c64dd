#include "board/picture_cell.h"

namespace vorlant {

PictureCell::PictureCell(const QString &file, QWidget *parent) : CellWidget(parent), m_picture(file)
{
    setScaledContents(true);
    setAlignment(Qt::AlignCenter);
    setPixmap(m_picture);
}

void PictureCell::setPictureShown(bool shown)
{
    if (shown == m_shown)
        return;
    m_shown = shown;
    if (shown)
        setPixmap(m_picture);
    else
        clear();
}

} // namespace vorlant
