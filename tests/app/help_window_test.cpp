#include "app/help_text.h"
#include "app/help_window.h"

#include "tests/app/gui_test_helpers.h"
#include "tests/app/translation_test_support.h"
#include "tests/support/recording_sink.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>

namespace vorlant {
namespace {

using ::testing::ElementsAre;

// The built-in help as the program carries it.
QString BuiltInText()
{
    QFile resource(":/help/help.txt");
    EXPECT_TRUE(resource.open(QIODevice::ReadOnly));
    return QString::fromUtf8(resource.readAll());
}

class HelpWindowTest : public ::testing::Test
{
protected:
    void WritePopis(const QByteArray &bytes)
    {
        QFile file(dataDirectory + "/popis.txt");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    // One string a paragraph.
    QStringList Paragraphs() const { return view->toPlainText().split(u'\n'); }

    QTemporaryDir folder;
    QString dataDirectory = folder.path();
    testing::RecordingSink sink;
    HelpWindow help{[this] { return dataDirectory; }, sink};
    QTextEdit *view = Find<QTextEdit>(help, "RE1");
};

TEST_F(HelpWindowTest, BuiltInTextStaysWhenAnUnreadablePopisIsReported)
{
    help.ShowHelp();
    EXPECT_EQ(view->toPlainText() + '\n', BuiltInText());
    EXPECT_TRUE(help.close());

    ASSERT_TRUE(QDir(dataDirectory).mkdir("popis.txt"));
    help.ShowHelp();
    const QString error =
        "Cannot open file \"" + dataDirectory + "/popis.txt\". " + qt_error_string(EISDIR);
    EXPECT_THAT(sink.errors, ElementsAre(error.toStdString()));
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(view->toPlainText() + '\n', BuiltInText());
}

TEST_F(HelpWindowTest, PopisReplacesTheTextInUtf8OrWindows1250OrAsHtml)
{
    const struct
    {
        const char *name;
        QByteArray bytes;
        QStringList paragraphs;
    } cases[] = {
        {"UTF-8",
         "Příliš žluťoučký kůň\núpěl ďábelské ódy\n",
         {"Příliš žluťoučký kůň", "úpěl ďábelské ódy"}},
        {"UTF-8 with CR LF and a byte order mark",
         "\xEF\xBB\xBF"
         "Řádek 1\r\n\r\nŘádek 3\r\n",
         {"Řádek 1", "", "Řádek 3"}},
        {"Windows-1250",
         "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2\r\n\xDAp\xECl",
         {"Příliš žluťoučký kůň", "Úpěl"}},
        {"trailing spaces, no final line end", "a  \n \nb", {"a  ", " ", "b"}},
        {"HTML",
         "<html><body><p><b>Tučně</b> a obyčejně</p><p>Druhý</p></body></html>",
         {"Tučně a obyčejně", "Druhý"}},
    };
    for (const auto &c : cases) {
        WritePopis(c.bytes);
        help.ShowHelp();
        EXPECT_EQ(Paragraphs(), c.paragraphs) << c.name;
    }
    const QTextCharFormat html = view->document()->begin().begin().fragment().charFormat();
    EXPECT_EQ(html.fontWeight(), QFont::Bold) << "\"Tučně\" keeps its formatting";
    EXPECT_TRUE(sink.errors.empty());
}

TEST_F(HelpWindowTest, ShownPopisStaysAfterDeletionAndANewDataDirectoryIsSearched)
{
    WritePopis("Vlastní popis\n");
    help.ShowHelp();
    EXPECT_TRUE(help.close());
    ASSERT_TRUE(QFile::remove(dataDirectory + "/popis.txt"));
    help.ShowHelp();
    EXPECT_TRUE(help.isVisible());
    EXPECT_THAT(Paragraphs(), ElementsAre("Vlastní popis"));

    QTemporaryDir other;
    dataDirectory = other.path();
    WritePopis("z nové složky\n");
    help.ShowHelp();
    EXPECT_THAT(Paragraphs(), ElementsAre("z nové složky"));
}

// A teacher looks for what the help names in the windows: it names them, their menu items and
// the chart's measures as the program shows them, in either language.
TEST(BuiltInHelp, NamesTheWindowsMenuItemsAndMeasuresAsTheProgramShowsThem)
{
    const struct
    {
        const char *context;
        const char *text;
    } named[] = {
        {"vorlant::MainWindow", "Start"},
        {"vorlant::MainWindow", "Konec"},
        {"MainMenu", "Výsledky"},
        {"MainMenu", "Archiv"},
        {"vorlant::ChartWindow", "Graf"},
        {"SummaryLine", "Nový osobní rekord!"},
        {"vorlant::ArchiveWindow", "Otevřít"},
        {"vorlant::ArchiveWindow", "Vývoj výsledků"},
        {"vorlant::ArchiveWindow", "Přehled osob"},
        {"OverviewModel", "Odhad rozpětí"},
        {"vorlant::ArchiveWindow", "Export do CSV…"},
        {"vorlant::ArchiveWindow", "Export do Excelu…"},
        {"vorlant::ArchiveWindow", "Zpráva o osobě…"},
        {"vorlant::ArchiveWindow", "Přejmenovat osobu…"},
        {"vorlant::ArchiveWindow", "Smazat osobu…"},
        {"vorlant::OverviewWindow", "Export pro výzkum…"},
    };
    for (const char *shown : {"cs", "en"}) {
        test::ScopedLanguage language(QString::fromLatin1(shown));
        const QString help = BuiltInHelpText();
        for (const auto &n : named) {
            const QString text = QCoreApplication::translate(n.context, n.text);
            EXPECT_TRUE(help.contains(text)) << shown << ": " << text.toStdString();
        }
    }
}

} // namespace
} // namespace vorlant
