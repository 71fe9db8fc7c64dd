#include "app/czech_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vorlant {

bool InstallCzechTranslations(QCoreApplication &app)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // qt_cs only names the module catalogues (qtbase_cs, qtmultimedia_cs) and loads them.
    for (const char *catalogue : {"qt_cs", "qtbase_cs"}) {
        auto *translator = new QTranslator(&app);
        if (translator->load(QString::fromLatin1(catalogue), folder) &&
            QCoreApplication::installTranslator(translator))
            return true;
        delete translator;
    }
    return false;
}

} // namespace vorlant
