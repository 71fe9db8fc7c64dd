#include "board/media.h"

#include <QResource>

namespace vorlant {

QString MediaPath(std::string_view name)
{
    return QStringLiteral(":/media/") + QString::fromUtf8(name.data(), qsizetype(name.size()));
}

QString PictureName(int number)
{
    return QStringLiteral("DATA_%1").arg(number);
}

QByteArray MediaBytes(std::string_view name)
{
    const QResource resource(MediaPath(name));
    if (!resource.isValid() || !resource.data()) // a folder has no data
        return {};
    // The media are embedded uncompressed so that their bytes can be used in place.
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return resource.uncompressedData();
    return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()),
                                   qsizetype(resource.size()));
}

QString FirstMissingPicture()
{
    for (int number = 1; number <= kPictureCount; ++number) {
        const QString name = PictureName(number);
        if (MediaBytes(name.toStdString()).isEmpty())
            return name;
    }
    return {};
}

} // namespace vorlant
