#pragma once

#include "app/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QStringList>
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
    QString translation; // a plural message's forms joined
    QString state;
    bool plural = false;     // a text with a count ("%n testů")
    QStringList pluralForms; // its translation for each plural form of the language
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
            const bool plural = xml.attributes().value(QStringLiteral("numerus")) == u"yes";
            entries.push_back({context, {}, {}, {}, plural, {}});
        } else if (xml.name() == u"source" && !entries.empty()) {
            entries.back().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !entries.empty()) {
            TsEntry &entry = entries.back();
            entry.state = xml.attributes().value(QStringLiteral("type")).toString();
            // Its text, or a text with a count's forms, each in a <numerusform>.
            while (!xml.atEnd() && !(xml.readNext() == QXmlStreamReader::EndElement &&
                                     xml.name() == u"translation")) {
                if (xml.isCharacters())
                    entry.translation += xml.text();
                else if (xml.isStartElement() && xml.name() == u"numerusform")
                    entry.pluralForms << xml.readElementText();
            }
            if (!entry.pluralForms.isEmpty())
                entry.translation = entry.pluralForms.join(u'|');
        }
    }
    return entries;
}

} // namespace vorlant::test
