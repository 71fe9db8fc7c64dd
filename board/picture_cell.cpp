#include "board/picture_cell.h"

namespace vorlant {

PictureCell::PictureCell(const QString &file, QWidget *parent) : PictureCell(parent)
{
    setPictureFile(file);
}

PictureCell::PictureCell(QWidget *parent) : CellWidget(parent)
{
    setScaledContents(true);
    setAlignment(Qt::AlignCenter);
}

void PictureCell::setPictureFile(const QString &file)
{
    m_picture = QPixmap(file);
    if (m_shown)
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
