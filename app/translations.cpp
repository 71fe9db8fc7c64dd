#include "app/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vorlant {
namespace {

// Installs the catalogue name from folder; the first of names found wins.
bool InstallFirst(QCoreApplication &app, std::initializer_list<const char *> names,
                  const QString &folder)
{
    for (const char *name : names) {
        auto *translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(name), folder) &&
            QCoreApplication::installTranslator(translator))
            return true;
        delete translator;
    }
    return false;
}

} // namespace

UiLanguage ChooseUiLanguage(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages) {
        // "en", "en-GB", "en_US.UTF-8": the language is what comes before the region.
        const QString language = name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (language == u"en")
            return UiLanguage::English;
        if (language == u"cs")
            return UiLanguage::Czech;
    }
    return UiLanguage::Czech;
}

UiLanguage DesktopUiLanguage()
{
    // Qt reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG; the C and POSIX locales give "C".
    return ChooseUiLanguage(QLocale::system().uiLanguages());
}

bool InstallTranslations(QCoreApplication &app, UiLanguage language)
{
    const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (language == UiLanguage::Czech) // qt_cs only names the module catalogues and loads them
        return InstallFirst(app, {"qt_cs", "qtbase_cs"}, qtFolder);
    const bool own = InstallFirst(app, {"vorlant_en"}, QStringLiteral(":/i18n"));
    return InstallFirst(app, {"qt_en", "qtbase_en"}, qtFolder) && own;
}

} // namespace vorlant
