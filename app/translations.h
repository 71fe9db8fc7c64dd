#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace vorlant {

// Czech, the language of the program's own texts, which needs no translation but for the
// plural forms of texts with a count.
inline const QString kSourceLanguage = QStringLiteral("cs");

// The languages the program speaks, as ISO 639 codes: Czech and one for each translation
// built into it (":/i18n/vorlant_<code>.qm").
QStringList SpokenLanguages();

// The first of the desktop's languages (most wanted first, as QLocale::uiLanguages() gives
// them: "en-US", "cs") that is among spoken; Czech when none is, as for the C and POSIX
// locales.
QString ChooseUiLanguage(const QStringList &uiLanguages, const QStringList &spoken);

// The language of the desktop the program runs on.
QString DesktopUiLanguage();

// Installs the program's texts in language (in Czech their plural forms) and Qt's own (for the file
// and print dialogs and the standard buttons) in the same language. The translators belong to app.
// Returns whether all were found; a missing one leaves those texts in their own language.
bool InstallTranslations(QCoreApplication &app, const QString &language);

} // namespace vorlant
