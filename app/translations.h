#pragma once

#include <QStringList>

class QCoreApplication;

namespace vorlant {

// The languages the program speaks. Czech is the language of its own texts.
enum class UiLanguage
{
    Czech,
    English,
};

// The first of the desktop's languages (most wanted first, as QLocale::uiLanguages() gives
// them) that the program speaks; Czech when none is, as for the C and POSIX locales.
UiLanguage ChooseUiLanguage(const QStringList &uiLanguages);

// The language of the desktop the program runs on.
UiLanguage DesktopUiLanguage();

// Installs the program's texts in language and Qt's own (for the file and print dialogs and
// the standard buttons) in the same language. The translators belong to app. Returns whether
// all were found; a missing one leaves those texts in their own language.
bool InstallTranslations(QCoreApplication &app, UiLanguage language);

} // namespace vorlant
