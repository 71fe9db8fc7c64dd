#include "app/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vorlant {
namespace {

const QString kOwnFolder = QStringLiteral(":/i18n");

// Installs the first of the catalogues names found in folder.
bool InstallFirst(QCoreApplication &app, const QStringList &names, const QString &folder)
{
    for (const QString &name : names) {
        auto *translator = new QTranslator(&app);
        if (translator->load(name, folder) && QCoreApplication::installTranslator(translator))
            return true;
        delete translator;
    }
    return false;
}

} // namespace

QStringList SpokenLanguages()
{
    QStringList spoken{kSourceLanguage};
    const QStringList files = QDir(kOwnFolder).entryList({QStringLiteral("vorlant_*.qm")});
    for (const QString &file : files) {
        const QString language = file.section(u'_', 1).section(u'.', 0, 0);
        if (!spoken.contains(language)) // Czech's own file holds only its plural forms
            spoken << language;
    }
    return spoken;
}

QString ChooseUiLanguage(const QStringList &uiLanguages, const QStringList &spoken)
{
    for (const QString &name : uiLanguages) {
        // "en", "en-GB", "en_US.UTF-8": the language is what comes before the region.
        const QString language = name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (spoken.contains(language))
            return language;
    }
    return kSourceLanguage;
}

QString DesktopUiLanguage()
{
    // Qt reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG; the C and POSIX locales give "C".
    return ChooseUiLanguage(QLocale::system().uiLanguages(), SpokenLanguages());
}

bool InstallTranslations(QCoreApplication &app, const QString &language)
{
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // qt_<code> only names the module catalogues and loads them; some languages have only
    // qtbase_<code>.
    const bool qt = InstallFirst(
        app, {QStringLiteral("qt_") + language, QStringLiteral("qtbase_") + language}, qtFolder);
    // Czech reads well enough without its plural forms: "%n testů" then says "2 testů".
    const bool own = InstallFirst(app, {QStringLiteral("vorlant_") + language}, kOwnFolder);
    return (own || language == kSourceLanguage) && qt;
}

} // namespace vorlant
