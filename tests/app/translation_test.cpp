#include "app/about_window.h"
#include "app/message_boxes.h"
#include "app/translations.h"
#include "store/results_store.h"
#include "tests/app/gui_test_helpers.h"
#include "tests/app/translation_test_support.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace vorlant {
namespace {

TEST(UiLanguage, TheFirstLanguageTheProgramSpeaksWinsAndCzechIsTheRest)
{
    ASSERT_EQ(SpokenLanguages(), QStringList({"cs", "en"}));
    const struct
    {
        QStringList desktop;
        const char *chosen;
    } cases[] = {
        {{"en-GB"}, "en"},
        {{"C"}, "cs"}, // C and POSIX
        {{}, "cs"},
        {{"de-DE", "de", "en-US", "cs"}, "en"},
        {{"de-DE", "cs-CZ", "en"}, "cs"},
        {{"EN_us"}, "en"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ChooseUiLanguage(c.desktop, SpokenLanguages()), QString::fromLatin1(c.chosen))
            << c.desktop.join(u',').toStdString();
    // A language added later is found the same way.
    EXPECT_EQ(ChooseUiLanguage({"de-AT", "en"}, {"cs", "en", "de"}), QStringLiteral("de"));
}

// A core message comes out in English with its path untouched, each of its lines translated,
// and Qt's own buttons follow.
TEST(UiLanguage, MessageBoxesSpeakTheInstalledLanguage)
{
    const struct
    {
        const char *language;
        const char *shown;
        const char *cancel;
    } cases[] = {
        {"en",
         "Cannot save the file /tmp/%2 (1)\nThere is not enough space on the disk.\n"
         "The results were saved to /home/x.",
         "Cancel"},
        {"cs",
         "Soubor /tmp/%2 (1) nelze uložit\nNa disku není dost místa.\n"
         "Výsledky byly uloženy do /home/x.",
         "Zrušit"},
    };
    for (const auto &c : cases) {
        test::ScopedLanguage language(QString::fromLatin1(c.language));
        MessageBoxes boxes;
        QString seen;
        WhileModal(
            [&] {
                boxes.Message(
                    CannotSave("/tmp/%2 (1)", std::make_error_code(std::errc::no_space_on_device))
                        .AddLine({"Výsledky byly uloženy do %1.", {"/home/x"}}));
            },
            [&](QWidget &window) {
                auto &box = dynamic_cast<QMessageBox &>(window);
                seen = box.text();
                box.buttons().value(0)->click();
            });
        EXPECT_EQ(seen, QString::fromUtf8(c.shown));
        QMessageBox standard(QMessageBox::NoIcon, {}, {}, QMessageBox::Cancel);
        EXPECT_EQ(standard.button(QMessageBox::Cancel)->text(), QString::fromUtf8(c.cancel));
    }
}

// The About window keeps its fixed size; no text of either language may run into its edge.
TEST(UiLanguage, EveryTextOfTheAboutWindowFitsInsideIt)
{
    for (const char *shown : {"cs", "en"}) {
        test::ScopedLanguage language(QString::fromLatin1(shown));
        AboutWindow about;
        for (const QLabel *label : about.findChildren<QLabel *>())
            EXPECT_LE(label->geometry().right(), about.width() - 8)
                << shown << ": " << label->text().toStdString();
    }
}

// The translation files hold every text of the sources, each one translated with all the
// plural forms its language has, and no text the sources no longer have: lupdate, run over the
// sources as `make translations` runs it, finds nothing to add or to retire. Czech's own file
// holds only the texts with a count.
TEST(TranslationFiles, EveryTextOfTheSourcesIsTranslatedAndNoneIsLeftOver)
{
    struct TsFile
    {
        QString name;
        int pluralForms;
        bool pluralsOnly;
    };
    std::vector<TsFile> files{{QString::fromUtf8(VORLANT_PLURALS_TS_FILE), 3, true}};
    for (const QString &name : QString::fromUtf8(VORLANT_TS_FILES).split(u'|'))
        files.push_back({name, 2, false}); // English, the one other language
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    for (const TsFile &ts : files) {
        SCOPED_TRACE(ts.name.toStdString());
        const QString committed = QDir(QStringLiteral(VORLANT_SOURCE_DIR)).filePath(ts.name);
        const QString updated = scratch.filePath(QFileInfo(ts.name).fileName());
        ASSERT_TRUE(QFile::copy(committed, updated));
        QStringList arguments;
        for (const QString &folder : QString::fromUtf8(VORLANT_TRANSLATED_FOLDERS).split(u'|'))
            arguments << QDir(QStringLiteral(VORLANT_SOURCE_DIR)).filePath(folder);
        // The sources' own include folder, which the build gives lupdate: it places each
        // class's texts in its namespace.
        arguments << QString::fromUtf8(VORLANT_LUPDATE_OPTIONS).split(u'|') << QStringLiteral("-I")
                  << QStringLiteral(VORLANT_SOURCE_DIR) << QStringLiteral("-ts") << updated;
        if (ts.pluralsOnly)
            arguments << QStringLiteral("-pluralonly");
        QProcess lupdate;
        lupdate.start(QStringLiteral(VORLANT_LUPDATE), arguments);
        ASSERT_TRUE(lupdate.waitForFinished(60000));
        ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

        for (const QString &file : {committed, updated}) {
            const std::vector<test::TsEntry> entries = test::ReadTsFile(file);
            if (!ts.pluralsOnly) {
                EXPECT_GT(entries.size(), 50u) << file.toStdString();
            }
            for (const test::TsEntry &entry : entries) {
                const std::string where = file.toStdString() + ": " + entry.context.toStdString() +
                                          " \"" + entry.source.toStdString() + "\"";
                EXPECT_TRUE(entry.state.isEmpty() && !entry.translation.isEmpty())
                    << where << " is " << entry.state.toStdString();
                if (entry.plural) {
                    EXPECT_EQ(entry.pluralForms.size(), ts.pluralForms) << where;
                    EXPECT_FALSE(entry.pluralForms.contains(QString())) << where;
                }
            }
        }
    }
}

} // namespace
} // namespace vorlant
