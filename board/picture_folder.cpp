#include "board/picture_folder.h"

#include "board/media.h"
#include "engine/message_sink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vorlant {

void PictureFolder::unpack(MessageSink &messages)
{
    // A picture the program lacks would be written as an empty file and taken for a picture.
    if (const QString missing = FirstMissingPicture(); !missing.isEmpty()) {
        messages.Error("V programu chybí obrázek " + missing.toStdString());
        return;
    }
    // Paths are resolved against the current folder instead of entering the folder, so the
    // rest of the program never sees the current folder change.
    QDir current = QDir::current();
    m_folder = current.absoluteFilePath(QString::fromLatin1(kName));
    current.mkdir(QString::fromLatin1(kName)); // an existing folder is fine
    if (!QFileInfo(m_folder).isDir()) {
        messages.Message("Chyba adresáře obr_deti");
        return;
    }
    for (int number = 1; number <= kPictureCount; ++number) {
        const QString name = PictureName(number);
        const QByteArray bytes = MediaBytes(name.toStdString());
        QFile file(m_folder + u'/' + name + QStringLiteral(".jpg"));
        const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                             file.write(bytes) == bytes.size() && file.flush();
        if (file.isOpen())
            m_written.append(file.fileName());
        if (!written) {
            messages.Error(file.errorString().toStdString());
            return;
        }
        file.close();
    }
}

void PictureFolder::remove()
{
    for (const QString &path : std::as_const(m_written))
        QFile::remove(path);
    m_written.clear();
    if (!m_folder.isEmpty())
        QDir().rmdir(m_folder); // stays when anything else is left in it
}

} // namespace vorlant
