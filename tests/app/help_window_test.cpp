#include "app/help_window.h"

#include "tests/app/gui_test_helpers.h"
#include "tests/support/recording_sink.h"

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

// The built-in help, kept here independently of the resource file.
const char *const kBuiltInLines[] = {
    "Vorlant",
    "",
    "Program testuje a současně trénuje vaši paměť. Zvyšuje nebo snižuje požadavky na ",
    "paměť podle úspěšnosti. Minimální počet pro zapamatování je sekvence dvou ",
    "tlačítek. Maximální sekvence je 50. Aktuální údaje se zaznamenávají a lze si je ",
    "prohlédnou v grafu Menu->Akce->Výsledky. Současně se i ukládají do adresáře data, ",
    "proto před započetím testu je požadováno jméno. ",
    "",
    "Uložené testy si lze prohlédnout Menu->Akce->Archiv. Zobrazí se tabulka setříděná ",
    "podle jmen. Pokud je testováno více lidí, lze si vybrat jen jednoho.",
    "",
    "V testu si můžete nastavit výchozí počet tlačítek v sekveci. Standardně je to 4. ",
    "Menu->'Úroveň'->počet.",
    "",
    "V nastavení si můžete nastavit tlačítka prázdná, vyplněné čísly, písmeny nebo obrázky ",
    "(dětská varianta).",
    "",
    "Lze si nastavit i rychlost zobrazování sekvence tlačítek - celkem pět možných rychlostí. ",
    "",
    "",
    "Spuštění.",
    "Kliknutím na tlačítko Start se spustí test. Vpravo vedle tlačítek jsou dvě čísla. Horní ",
    "zobrazuje počet tlačítek v sekvenci. Spodní ukazuje kolikáté tlačítko se zobrazuje. ",
    "Klikat na tlačítka začněte až se obě čísla rovnají a současně se změní kurzor myši na ",
    "prst. Pro snažší orienaci se mění barva pozadí při zobrazování sekvence a při ",
    "klikáním myši. Kliknutím na tlačítko se tlačítko zobrazí žlutě (obrázek se skryje) a ",
    "uvolněním myši se vrátí barva na šedou (obrázek se zobrazí). Současně horní číslo ",
    "indikuje správné (žluté) nebo nesprávné (červeně) kliknutí. Při chybě se ruší test a ",
    "spouští se nové zobrazování sekvence.",
    "",
    "Pause - test se zastaví a kliknutím na stejné tlačítko se pokračuje dál.",
    "Konec - test se zastaví a data se uloží do souboru.",
    "",
    "V obou případech je možno se podívat na grafický výsledek testu.",
    "",
    "  ",
    " ",
};

// After the 37 lines of the description, the paragraph on answering with the keyboard.
const char *const kKeyboardLines[] = {
    "Ovládání klávesnicí.",
    "Místo myši můžete odpovídat i klávesami. Čtyři řady kláves 1 2 3 4, Q W E R, ",
    "A S D F a Z X C V odpovídají čtyřem řadám tlačítek: klávesa 1 je levé horní ",
    "tlačítko, V pravé dolní. Rozhoduje poloha klávesy, na české klávesnici jsou to ",
    "tedy klávesy + ě š č, Q W E R, A S D F a Y X C V. Stisknutím klávesy se tlačítko ",
    "zobrazí žlutě, uvolněním se odpověď vyhodnotí stejně jako kliknutí myší. Klávesy ",
    "platí jen v hlavním okně a jen tehdy, když se odpovídá (kurzor myši je prst). ",
    "Držení klávesy se nepočítá jako další stisk.",
};

QByteArray BuiltInText()
{
    static_assert(std::size(kBuiltInLines) == 37);
    QByteArray text;
    for (const char *line : kBuiltInLines)
        text += QByteArray(line) + '\n';
    for (const char *line : kKeyboardLines)
        text += QByteArray(line) + '\n';
    return text;
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

TEST_F(HelpWindowTest, BuiltInTextIsTheResourceAndStaysWhenAnUnreadablePopisIsReported)
{
    QFile resource(":/help/help.txt");
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    EXPECT_EQ(resource.readAll(), BuiltInText()) << "byte for byte";
    help.ShowHelp();
    EXPECT_EQ(view->toPlainText() + '\n', QString::fromUtf8(BuiltInText()));
    EXPECT_TRUE(help.close());

    ASSERT_TRUE(QDir(dataDirectory).mkdir("popis.txt"));
    help.ShowHelp();
    const QString error =
        "Cannot open file \"" + dataDirectory + "/popis.txt\". " + qt_error_string(EISDIR);
    EXPECT_THAT(sink.errors, ElementsAre(error.toStdString()));
    EXPECT_FALSE(help.isVisible());
    EXPECT_EQ(view->toPlainText() + '\n', QString::fromUtf8(BuiltInText()));
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

} // namespace
} // namespace vorlant
