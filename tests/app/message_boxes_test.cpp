#include "app/message_boxes.h"

#include "app/application_title.h"
#include "app/translations.h"
#include "tests/app/gui_test_helpers.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTranslator>

#include <gtest/gtest.h>

namespace vorlant {
namespace {

TEST(ApplicationTitle, FileNameWithoutExtensionCapitalisedOnce)
{
    const char *const cases[][2] = {
        {"/usr/local/bin/vorlant", "Vorlant"},
        {"/opt/x/memTest.v2.bin", "Memtest.v2"},
        {"/home/eva/čeština", "Čeština"},
    };
    for (const auto &[path, title] : cases)
        EXPECT_EQ(TitleFromExecutablePath(QString::fromUtf8(path)), QString::fromUtf8(title));
}

// Under Qt's Czech texts, as the program runs: "OK" must stay "OK".
TEST(MessageBoxes, CaptionedOneOkAndErrorsEndInExactlyOneFullStop)
{
    EXPECT_TRUE(InstallTranslations(*qApp, kSourceLanguage));
    const struct
    {
        bool error;
        const char *given;
        const char *shown;
    } cases[] = {
        {false, "Nelze zadat prázdné jméno", "Nelze zadat prázdné jméno"},
        {true, "x", "x."},
        {true, "x.", "x."},
        {true, "Soubor nelze uložit!", "Soubor nelze uložit!."},
    };
    MessageBoxes boxes;
    for (const auto &c : cases) {
        QString seen; // caption|text|icon|buttons
        WhileModal(
            [&] { c.error ? boxes.Error(c.given) : boxes.Message(c.given); },
            [&](QWidget &window) {
                auto &box = dynamic_cast<QMessageBox &>(window);
                seen =
                    QStringLiteral("%1|%2|%3|").arg(box.windowTitle(), box.text()).arg(box.icon());
                for (const QAbstractButton *button : box.buttons())
                    seen += button->text() + u' ';
                box.buttons().value(0)->click();
            });
        const int icon = c.error ? QMessageBox::Critical : QMessageBox::NoIcon;
        EXPECT_EQ(seen,
                  QStringLiteral("App_tests|%1|%2|OK ").arg(QString::fromUtf8(c.shown)).arg(icon))
            << c.given;
    }
    qDeleteAll(qApp->findChildren<QTranslator *>());
}

} // namespace
} // namespace vorlant
