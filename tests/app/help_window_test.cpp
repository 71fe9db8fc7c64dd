#include "app/help_window.h"

#include "recording_sink.h"
#include "widget_lookup.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>

namespace vorlant {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::SizeIs;

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

std::vector<QString> BuiltInLines()
{
    std::vector<QString> lines;
    for (const char *line : kBuiltInLines)
        lines.push_back(QString::fromUtf8(line));
    return lines;
}

// The paragraphs of the view, one string each.
std::vector<QString> Paragraphs(const QTextEdit &view)
{
    std::vector<QString> paragraphs;
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next())
        paragraphs.push_back(block.text());
    return paragraphs;
}

class HelpWindowTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QString PopisPath() const { return dataDirectory + "/popis.txt"; }

    void WritePopis(const QByteArray &bytes)
    {
        QFile file(PopisPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QTemporaryDir folder;
    QString dataDirectory = folder.path();
    RecordingSink sink;
    HelpWindow help{[this] { return dataDirectory; }, sink};
    QTextEdit *view = Child<QTextEdit>(help, "RE1");
};

TEST(BuiltInHelp, ResourceHoldsTheThirtySevenLinesByteForByte)
{
    static_assert(std::size(kBuiltInLines) == 37);
    QByteArray expected;
    for (const char *line : kBuiltInLines)
        expected += QByteArray(line) + '\n';
    QFile resource(":/help/help.txt");
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    EXPECT_EQ(resource.readAll(), expected);
}

TEST_F(HelpWindowTest, WithoutPopisFirstShowsTheBuiltInLinesAtItsSizeInTheMiddle)
{
    help.ShowHelp();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    EXPECT_THAT(Paragraphs(*view), ElementsAreArray(BuiltInLines()));
    EXPECT_THAT(sink.errors, IsEmpty());
    EXPECT_EQ(help.objectName(), "TForm2");
    EXPECT_EQ(help.windowTitle(), "Stručný popis");
    EXPECT_EQ(help.frameGeometry().size(), QSize(639, 438));
    EXPECT_TRUE(IsCentred(help));
    const Qt::WindowFlags flags = help.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
}

struct PopisCase
{
    const char *name;
    QByteArray bytes;
    std::vector<QString> paragraphs;
};

TEST_F(HelpWindowTest, PlainPopisReplacesTheTextLineByLineInEitherEncoding)
{
    const std::vector<PopisCase> cases = {
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
        {"ASCII with trailing spaces and no final line end", "a  \n \nb", {"a  ", " ", "b"}},
        {"empty", "", {""}},
    };
    for (const PopisCase &c : cases) {
        WritePopis(c.bytes);
        help.ShowHelp();
        EXPECT_THAT(Paragraphs(*view), ElementsAreArray(c.paragraphs)) << c.name;
        EXPECT_TRUE(help.isVisible()) << c.name;
    }
    EXPECT_THAT(sink.errors, IsEmpty());
}

TEST_F(HelpWindowTest, HtmlPopisIsShownFormatted)
{
    WritePopis("<html><body><p><b>Tučně</b> a obyčejně</p><p>Druhý odstavec</p></body></html>");
    help.ShowHelp();
    EXPECT_THAT(Paragraphs(*view), ElementsAre("Tučně a obyčejně", "Druhý odstavec"));
    const QTextBlock first = view->document()->begin();
    const QTextBlock::iterator fragment = first.begin();
    ASSERT_FALSE(fragment.atEnd());
    EXPECT_EQ(fragment.fragment().text(), "Tučně");
    EXPECT_EQ(fragment.fragment().charFormat().fontWeight(), QFont::Bold);
}

TEST_F(HelpWindowTest, ShownPopisStaysAfterTheFileIsDeleted)
{
    WritePopis("Vlastní popis\n");
    help.ShowHelp();
    EXPECT_TRUE(help.close());
    EXPECT_FALSE(help.isVisible()) << "closing only hides";
    ASSERT_TRUE(QFile::remove(PopisPath()));
    help.ShowHelp();
    EXPECT_TRUE(help.isVisible());
    EXPECT_THAT(Paragraphs(*view), ElementsAre("Vlastní popis"));
}

TEST_F(HelpWindowTest, LooksInTheDataDirectoryInForceAtEachOpening)
{
    WritePopis("ze staré složky\n");
    help.ShowHelp();
    QTemporaryDir other;
    ASSERT_TRUE(other.isValid());
    dataDirectory = other.path();
    WritePopis("z nové složky\n");
    help.ShowHelp();
    EXPECT_THAT(Paragraphs(*view), ElementsAre("z nové složky"));
}

TEST_F(HelpWindowTest, UnreadablePopisIsReportedAndTheWindowStaysHiddenAndUnchanged)
{
    ASSERT_TRUE(QDir(dataDirectory).mkdir("popis.txt"));
    help.ShowHelp();
    ASSERT_THAT(sink.errors, SizeIs(1));
    EXPECT_EQ(QString::fromStdString(sink.errors[0]),
              "Cannot open file \"" + PopisPath() + "\". " + qt_error_string(EISDIR));
    EXPECT_FALSE(help.isVisible());
    EXPECT_THAT(Paragraphs(*view), ElementsAreArray(BuiltInLines()));
}

TEST_F(HelpWindowTest, ViewFillsTheClientAreaAtEverySizeAndRewraps)
{
    help.ShowHelp();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    const QTextBlock longLine = view->document()->findBlockByNumber(2);
    for (QSize size : {QSize(900, 700), QSize(250, 180), QSize(639, 438)}) {
        help.resize(size);
        EXPECT_TRUE(QTest::qWaitFor([&] { return view->geometry() == help.rect(); }))
            << size.width() << "x" << size.height();
        EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
        if (size.width() < 300) {
            EXPECT_GT(longLine.layout()->lineCount(), 2) << "a narrow view wraps";
            EXPECT_TRUE(view->verticalScrollBar()->isVisible()) << "the text is taller";
        }
    }
    help.showMaximized();
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->geometry() == help.rect(); })) << "maximised";
}

TEST_F(HelpWindowTest, TextCanBeSelectedAndCopiedButNotChanged)
{
    help.ShowHelp();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&help));
    view->setFocus();
    QTest::keyClicks(view, "xyz");
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_THAT(Paragraphs(*view), ElementsAreArray(BuiltInLines()));

    QTest::keySequence(view, QKeySequence::SelectAll);
    QTest::keySequence(view, QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), view->toPlainText());
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("Vorlant\n"));
}

} // namespace
} // namespace vorlant
