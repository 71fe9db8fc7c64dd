#include "board/picture_cell.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

namespace vorlant {
namespace {

// The picture in file, never read through a link: the picture folder may be shared.
QPixmap ReadPicture(const QString &file)
{
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return {};
    QFile opened;
    if (!opened.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    QPixmap picture;
    picture.loadFromData(opened.readAll(), QFileInfo(file).suffix().toLatin1().constData());
    return picture;
}

} // namespace

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
    m_picture = ReadPicture(file);
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
