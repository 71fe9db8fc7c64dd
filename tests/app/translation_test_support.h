#pragma once

#include "app/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTranslator>
#include <QXmlStreamReader>

#include <vector>

namespace vorlant::test {

// The program's and Qt's texts in language while it lives; none afterwards.
class ScopedLanguage
{
public:
    explicit ScopedLanguage(const QString &language)
    {
        RemoveAll();
        InstallTranslations(*QCoreApplication::instance(), language);
    }
    ~ScopedLanguage() { RemoveAll(); }
    ScopedLanguage(const ScopedLanguage &) = delete;
    ScopedLanguage &operator=(const ScopedLanguage &) = delete;

private:
    // A translator that goes removes itself from the application.
    static void RemoveAll()
    {
        qDeleteAll(
            QCoreApplication::instance()->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly));
    }
};

// One message of a Qt translation file. state is the translation's type: empty when done,
// else "unfinished", "vanished" or "obsolete".
struct TsEntry
{
    QString context;
    QString source;
    QString translation;
    QString state;
};

inline std::vector<TsEntry> ReadTsFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    std::vector<TsEntry> entries;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            entries.push_back({context, {}, {}, {}});
        } else if (xml.name() == u"source" && !entries.empty()) {
            entries.back().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !entries.empty()) {
            entries.back().state = xml.attributes().value(QStringLiteral("type")).toString();
            entries.back().translation = xml.readElementText();
        }
    }
    return entries;
}

} // namespace vorlant::test
