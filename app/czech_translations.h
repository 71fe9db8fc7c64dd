#pragma once

class QCoreApplication;

namespace vorlant {

// Loads Qt's own Czech texts (qt_cs, else qtbase_cs) so that the printer and folder dialogs
// and the standard buttons speak Czech. The translators belong to app. Returns whether any
// was found; without them Qt simply stays in English.
bool InstallCzechTranslations(QCoreApplication &app);

} // namespace vorlant
