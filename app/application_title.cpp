#include "app/application_title.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QString>

namespace vorlant {

QString ApplicationTitle()
{
    return TitleFromExecutablePath(QCoreApplication::applicationFilePath());
}

QString TitleFromExecutablePath(const QString &path)
{
    const QString name = QFileInfo(path).completeBaseName();
    return name.left(1).toUpper() + name.mid(1).toLower();
}

} // namespace vorlant
