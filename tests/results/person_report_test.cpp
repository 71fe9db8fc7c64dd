#include "archive_rig.h"

#include "results/overview_window.h"
#include "results/person_report_dialog.h"
#include "results/person_report_page.h"
#include "results/person_report_text.h"
#include "results/progress_window.h"
#include "tests/app/gui_test_helpers.h"
#include "tests/app/translation_test_support.h"

#include <QDate>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTableView>

namespace vorlant {
namespace {

using test::MakeLog;

// Lengths 4 4 4 4 4 5 5 5 5 4 4 4 5: a peak at 5 and a trough at 4, span estimate 4,5;
// the longest correct length 5; 10 of 13 correct.
const LogRecords kSpan45 = MakeLog({{4, true},
                                    {4, true},
                                    {4, true},
                                    {4, true},
                                    {4, true},
                                    {5, true},
                                    {5, false},
                                    {5, false},
                                    {5, false},
                                    {4, true},
                                    {4, true},
                                    {4, true},
                                    {5, true}});
// Too short for a span estimate: longest 3, 2 of 2 correct.
const LogRecords kShortTest = MakeLog({{3, true}, {3, true}});
// Lengths 5 5 5 6 6 6 5 5 5 6: a peak at 6 and a trough at 5, span estimate 5,5; longest 6.
const LogRecords kSpan55 = MakeLog({{5, true},
                                    {5, true},
                                    {5, true},
                                    {6, true},
                                    {6, false},
                                    {6, false},
                                    {5, true},
                                    {5, true},
                                    {5, true},
                                    {6, true}});

// The text of a PDF as pdftotext reads it, its lines and runs of spaces made single spaces.
QString PdfText(const QString &pdf, const QStringList &options = {})
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(VORLANT_PDFTOTEXT), QStringList(options) << pdf << "-");
    EXPECT_TRUE(pdftotext.waitForFinished(30000));
    EXPECT_EQ(pdftotext.exitCode(), 0) << pdftotext.readAllStandardError().toStdString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

// What the poppler tools tell of a PDF: "Pages: 1", "Page size: …"; the fonts' table.
QString PdfTool(const char *tool, const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral(VORLANT_POPPLER_DIR "/") + QLatin1String(tool), {pdf});
    EXPECT_TRUE(process.waitForFinished(30000));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A PDF of one page, searchable, with every font embedded.
void ExpectOneSearchablePage(const QString &pdf)
{
    const QString info = PdfTool("pdfinfo", pdf);
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    const QStringList fonts = PdfTool("pdffonts", pdf).split(u'\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_FALSE(fonts.isEmpty()) << "the text is text";
    // Each font's line ends in its columns emb, sub, uni and its object's number.
    const QRegularExpression embedded("\\s(yes|no)\\s+(yes|no)\\s+(yes|no)\\s+\\d+\\s+\\d+\\s*$");
    for (const QString &font : fonts)
        EXPECT_EQ(embedded.match(font).captured(1), "yes") << font.toStdString();
}

class PersonReportTest : public test::ArchiveRig
{
protected:
    void WriteTestsOfJan()
    {
        WriteResults("Novák Jan 2026_03_01 08_00.mem", kSpan45);
        WriteResults("Novák Jan (2) 2026_03_08 09_30.mem", kShortTest);
        WriteResults("Novák Jan 2026_03_15 10_45.mem", kSpan55);
        WriteResults("Nováková Jana 2026_03_02 10_00.mem", kSpan55);
    }
    // Runs open, which must offer the report dialog; act gets the dialog once it is up, and
    // the dialog is closed afterwards. Menus open on the way are no dialog.
    static void InReportDialog(const std::function<void()> &open,
                               const std::function<void(PersonReportDialog &)> &act)
    {
        bool acted = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            auto *dialog = qobject_cast<PersonReportDialog *>(QApplication::activeModalWidget());
            if (!dialog || acted)
                return;
            acted = true;
            act(*dialog);
            if (dialog->isVisible())
                ButtonWithText(*dialog, "Zavřít")->click();
        });
        watch.start(10);
        open();
        EXPECT_TRUE(acted) << "the report dialog did not open";
    }
    static void Click(PersonReportDialog &dialog, const char *button)
    {
        QTest::mouseClick(Find<QPushButton>(dialog, button), Qt::LeftButton);
    }
    static void WriteToFile(PersonReportDialog &dialog, const QString &file)
    {
        dialog.SetPdfFileChooser([file](QWidget *, const QString &) { return file; });
    }
    static void PrintToFile(PersonReportDialog &dialog, const QString &file)
    {
        dialog.SetPrinterSetup([file](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return true;
        });
    }
    void SelectArchiveRowOf(const QString &person)
    {
        ClickRow(static_cast<int>(Column(0).indexOf(person)));
    }

    test::ScopedLanguage czech{QStringLiteral("cs")};
};

TEST_F(PersonReportTest, FromTheArchiveAPdfNamesThePersonTheirFiguresAndWhatTheyMean)
{
    WriteTestsOfJan();
    ShowArchive();
    SelectArchiveRowOf("Novák Jan (2)"); // the same person as "Novák Jan"
    ASSERT_TRUE(QFile(Path("plain")).open(QIODevice::WriteOnly));
    InReportDialog(
        [&] { ClickFileMenu("Zpráva o osobě…"); },
        [&](PersonReportDialog &dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Zpráva o osobě – Novák Jan");
            auto &note = *Find<QPlainTextEdit>(dialog, "reportNote");
            EXPECT_EQ(note.toPlainText(), "") << "the note starts empty";
            note.insertPlainText("Trénuje doma dvakrát týdně."); // as an input method commits it
            // A file that cannot be made is reported, and the dialog stays.
            WriteToFile(dialog, Path("plain/zprava.pdf"));
            Click(dialog, "savePdf");
            EXPECT_EQ(sink.messages,
                      std::vector<std::string>{"Soubor " + Path("plain/zprava.pdf").toStdString() +
                                               " nelze uložit\nČást cesty není složka."});
            EXPECT_TRUE(dialog.isVisible());
            WriteToFile(dialog, Path("zprava.pdf"));
            Click(dialog, "savePdf");
            EXPECT_EQ(Find<QLabel>(dialog, "reportStatus")->text(),
                      "Zpráva je uložena: " + Path("zprava.pdf"));
        });
    EXPECT_EQ(sink.messages.size(), 1u);

    ExpectOneSearchablePage(Path("zprava.pdf"));
    EXPECT_TRUE(PdfTool("pdfinfo", Path("zprava.pdf")).contains("(A4)"));
    const QString text = PdfText(Path("zprava.pdf"));
    const QString today = QDate::currentDate().toString("d. M. yyyy");
    for (const QString &expected : {
             QStringLiteral("Novák Jan Období: 1. 3. 2026 – 15. 3. 2026 · 3 testy"),
             "Zpráva vytvořena " + today,
             // The table, oldest first: date, attempts, success %, longest, span estimate.
             QStringLiteral("1. 3. 2026 8:00 13 76,9 5 4,5"),
             QStringLiteral("8. 3. 2026 9:30 2 100,0 3 —"),
             QStringLiteral("15. 3. 2026 10:45 10 80,0 6 5,5"),
             QStringLiteral("Od 1. 3. 2026 do 15. 3. 2026 (2 týdny) proběhly 3 testy. Odhad "
                            "rozpětí udává délku řady, kterou se daří zopakovat zhruba v "
                            "polovině pokusů. Odhad rozpětí vzrostl: v prvním testu byl 4,5, "
                            "v posledním 5,5."),
             QStringLiteral("Poznámka: Trénuje doma dvakrát týdně."),
             QStringLiteral("Program neobsahuje normy pro věkové skupiny; výsledky slouží ke "
                            "sledování vývoje jednoho člověka a nenahrazují odborné vyšetření."),
         })
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\nin\n"
                                             << text.toStdString();
    EXPECT_FALSE(text.contains("Nováková")) << "another person's test";
    EXPECT_TRUE(text.endsWith("odborné vyšetření.")) << "the closing sentence ends the page";
}

TEST_F(PersonReportTest, FromTheOverviewTheSelectedRowsPersonIsPrintedAndUnreadableFilesNamed)
{
    WriteTestsOfJan();
    WriteBytes("Novák Jan 2026_03_20 10_00.mem", std::string(100, '\1'));
    ShowArchive();
    ClickFileMenu("Přehled osob");
    auto *overview = window.findChild<OverviewWindow *>();
    ASSERT_NE(overview, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(overview));
    sink.messages.clear(); // the overview's own naming of the short file

    test::ClickMenuItem(*overview, "Soubor", "Zpráva o osobě…"); // no row selected
    EXPECT_EQ(sink.messages, std::vector<std::string>{"Vyberte řádek s osobou."});
    sink.messages.clear();

    QTableView &table = overview->Table();
    for (int row = 0; row < table.model()->rowCount(); ++row)
        if (table.model()->index(row, 0).data().toString() == "Novák Jan")
            table.selectRow(row);
    InReportDialog([&] { test::ClickMenuItem(*overview, "Soubor", "Zpráva o osobě…"); },
                   [&](PersonReportDialog &dialog) {
                       EXPECT_EQ(dialog.windowTitle(), "Zpráva o osobě – Novák Jan");
                       PrintToFile(dialog, Path("tisk.pdf"));
                       Click(dialog, "printReport");
                   });
    EXPECT_EQ(sink.messages,
              std::vector<std::string>{"Tyto soubory nelze načíst, ve zprávě chybí:\n"
                                       "Novák Jan 2026_03_20 10_00.mem"});
    EXPECT_TRUE(sink.errors.empty());
    ExpectOneSearchablePage(Path("tisk.pdf"));
    const QString text = PdfText(Path("tisk.pdf"));
    EXPECT_TRUE(text.contains("Novák Jan Období: 1. 3. 2026 – 15. 3. 2026 · 3 testy"))
        << text.toStdString();
    EXPECT_FALSE(text.contains("Poznámka")) << "no note was written";
}

TEST_F(PersonReportTest, TheProgressWindowOffersTheReportOfThePersonItShows)
{
    WriteTestsOfJan();
    ShowArchive();
    SelectArchiveRowOf("Nováková Jana");
    ClickFileMenu("Vývoj výsledků");
    auto *progress = window.findChild<ProgressWindow *>();
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(progress));
    InReportDialog([&] { test::ClickMenuItem(*progress, "Akce", "Zpráva o osobě…"); },
                   [&](PersonReportDialog &dialog) {
                       EXPECT_EQ(dialog.windowTitle(), "Zpráva o osobě – Nováková Jana");
                       WriteToFile(dialog, Path("jana.pdf"));
                       Click(dialog, "savePdf");
                   });
    const QString text = PdfText(Path("jana.pdf"));
    EXPECT_TRUE(text.contains("Dne 2. 3. 2026 proběhl 1 test.")) << text.toStdString();
    EXPECT_TRUE(text.contains("Odhad rozpětí byl 5,5. Vývoj ukáže až další test."));
    EXPECT_TRUE(progress->isVisible());
}

TEST_F(PersonReportTest, WithoutARowOfAPersonOrATestWithAttemptsThereIsOnlyAMessage)
{
    WriteResults("Dvořák Jiří 2026_03_01 08_00.mem", LogRecords{});
    WriteResults("x.mem", kSpan45); // listed, but without a person
    ShowArchive();
    // Any dialog that opens is recorded and closed.
    bool opened = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            opened = true;
            modal->close();
        }
    });
    watch.start(0);
    ClickFileMenu("Zpráva o osobě…"); // no current row
    ClickRow(static_cast<int>(Column(2).indexOf("x.mem")));
    ClickFileMenu("Zpráva o osobě…");
    SelectArchiveRowOf("Dvořák Jiří");
    ClickFileMenu("Zpráva o osobě…");
    EXPECT_EQ(sink.messages,
              (std::vector<std::string>{
                  "Vyberte řádek s osobou.", "Vyberte řádek s osobou.",
                  "Osoba Dvořák Jiří nemá žádný test s pokusy, zprávu nelze sestavit."}));
    EXPECT_FALSE(opened) << "no dialog";
}

// count tests of 12 attempts, four days apart, the n-th at 8:n.
std::vector<ProgressPoint> Tests(int count)
{
    std::vector<ProgressPoint> tests;
    for (int n = 0; n < count; ++n) {
        LogRecords log{};
        for (int i = 0; i < 12; ++i)
            log[i] = {3 + n / 3 + (i / 3) % 2, i % 4 != 3, 2000};
        tests.push_back({QDateTime(QDate(2026, 9, 1).addDays(4 * n), QTime(8, n)),
                         QStringLiteral("x.mem"), SummariseLog(log)});
    }
    return tests;
}

// Draws the report on one page of layout into a PDF file.
void WriteReport(const QString &file, const QPageLayout &layout, const PersonReport &report)
{
    QPdfWriter writer(file);
    writer.setResolution(300);
    writer.setPageLayout(layout);
    QPainter painter(&writer);
    DrawPersonReport(painter, layout, report);
}

// Whatever is too long for its place is cut short there, so every word lies on the one page
// within the margins, whatever the paper, and the closing sentence is never pushed off.
TEST(PersonReportPage, EverythingFitsWithinTheMarginsOfOnePage)
{
    test::ScopedLanguage czech(QStringLiteral("cs"));
    QTemporaryDir folder;
    QString note;
    for (int line = 0; line < 60; ++line)
        note += QStringLiteral("Řádek %1 dlouhé poznámky, která se na stránku nevejde celá.\n")
                    .arg(line);
    note += QStringLiteral("KONEC");
    const PersonReport report{QString(80, u'W'), Tests(14), QDateTime::currentDateTime(), note};
    const struct
    {
        const char *name;
        QPageLayout layout;
    } cases[] = {
        {"the report's own page", PersonReportPageLayout()},
        {"A5 landscape, narrow margins",
         QPageLayout(QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(5, 5, 5, 5),
                     QPageLayout::Millimeter)},
        {"Letter", QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                               QMarginsF(20, 25, 20, 25), QPageLayout::Millimeter)},
    };
    const QRegularExpression word(
        "<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString file = folder.filePath(QString::fromLatin1(c.name) + ".pdf");
        WriteReport(file, c.layout, report);
        ExpectOneSearchablePage(file);
        const QRectF inside =
            c.layout.paintRect(QPageLayout::Point).adjusted(-1, -1, 1, 1); // glyphs' own edges
        int words = 0;
        for (const QRegularExpressionMatch &box : word.globalMatch(PdfText(file, {"-bbox"}))) {
            ++words;
            const QRectF at(QPointF(box.captured(1).toDouble(), box.captured(2).toDouble()),
                            QPointF(box.captured(3).toDouble(), box.captured(4).toDouble()));
            EXPECT_TRUE(inside.contains(at)) << box.captured(0).toStdString();
        }
        EXPECT_GT(words, 200);
        const QString text = PdfText(file);
        EXPECT_TRUE(text.contains("WWW…")) << "the name is cut short";
        EXPECT_TRUE(text.contains("Řádek 1 dlouhé poznámky")) << text.toStdString();
        EXPECT_TRUE(text.contains(" …")) << "the note is cut short";
        EXPECT_FALSE(text.contains("KONEC"));
        EXPECT_TRUE(text.endsWith("nenahrazují odborné vyšetření."));
        // The latest ten tests only, the n-th taken at 8:n.
        EXPECT_TRUE(text.contains("Posledních 10 testů"));
        for (int n = 0; n < 14; ++n)
            EXPECT_EQ(text.contains(QStringLiteral(" 8:%1 ").arg(n, 2, 10, QChar(u'0'))), n >= 4)
                << n;
    }
}

// No word of the English page is Czech; only the data (a name, a note) may be.
TEST(PersonReportPage, TheEnglishPageHasNoCzechLetter)
{
    test::ScopedLanguage english(QStringLiteral("en"));
    QTemporaryDir folder;
    std::vector<ProgressPoint> tests = Tests(3);
    tests.front().summary.spanEstimate.reset(); // too short: the longest lengths are compared
    const QString file = folder.filePath("report.pdf");
    WriteReport(file, PersonReportPageLayout(),
                {"Novak Jan", tests, QDateTime::currentDateTime(), "Trains at home."});
    const QString text = PdfText(file);
    EXPECT_FALSE(text.contains(QRegularExpression("[ěščřžýáíéúůďťňĚŠČŘŽÝÁÍÉÚŮĎŤŇ]")))
        << text.toStdString();
    for (const char *expected : {
             "Period: 2026-09-01 – 2026-09-09 · 3 tests",
             "2026-09-05 08:01",
             "Span estimate",
             "From 2026-09-01 to 2026-09-09 (8 days), 3 tests were taken. The first or the latest "
             "test was too short for a span estimate, so the longest correct sequences are "
             "compared.",
             "Note: Trains at home.",
             "The program holds no age norms; the results follow one person's progress and do not "
             "replace a professional assessment.",
         })
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
}

TEST(ReportText, CountsTakeThePluralFormOfTheLanguage)
{
    const struct
    {
        const char *language;
        int count;
        const char *tests, *weeks, *days;
    } cases[] = {
        {"cs", 1, "1 test", "1 týden", "1 den"},   {"cs", 2, "2 testy", "2 týdny", "2 dny"},
        {"cs", 5, "5 testů", "5 týdnů", "5 dní"},  {"en", 1, "1 test", "1 week", "1 day"},
        {"en", 2, "2 tests", "2 weeks", "2 days"}, {"en", 5, "5 tests", "5 weeks", "5 days"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + std::to_string(c.count));
        test::ScopedLanguage language(QString::fromLatin1(c.language));
        EXPECT_EQ(report_text::Tests(c.count), QString::fromUtf8(c.tests));
        EXPECT_EQ(report_text::Period(PeriodUnit::Weeks, c.count), QString::fromUtf8(c.weeks));
        EXPECT_EQ(report_text::Period(PeriodUnit::Days, c.count), QString::fromUtf8(c.days));
    }
}

// The verb agrees with the count, and each measure with its own gender.
TEST(ReportText, TheParagraphSaysHowManyTestsOverWhatPeriodAndWhereTheMeasureWent)
{
    test::ScopedLanguage czech(QStringLiteral("cs"));
    using enum ReportMeasure;
    using enum ReportTrend;
    const QDate day(2026, 3, 2);
    const struct
    {
        ReportFigures figures;
        QDate latest;
        const char *paragraph;
    } cases[] = {
        {{2, 0, PeriodUnit::Days, 0, LongestSuccess, 6, 5, Fell},
         day,
         "Dne 2. 3. 2026 proběhly 2 testy. První nebo poslední test byl na odhad rozpětí příliš "
         "krátký, proto porovnáváme nejdelší správně zopakovanou řadu. Nejdelší zopakovaná řada "
         "se zkrátila: v prvním testu měla délku 6, v posledním 5."},
        {{1, 0, PeriodUnit::Days, 0, LongestSuccess, 4, 4, std::nullopt},
         day,
         "Dne 2. 3. 2026 proběhl 1 test. Test byl na odhad rozpětí příliš krátký, proto uvádíme "
         "nejdelší správně zopakovanou řadu. Nejdelší zopakovaná řada měla délku 4. Vývoj ukáže "
         "až další test."},
        {{6, 45, PeriodUnit::Weeks, 6, SpanEstimate, 4.5, 4.7, Stayed},
         day.addDays(45),
         "Od 2. 3. 2026 do 16. 4. 2026 (6 týdnů) proběhlo 6 testů. Odhad rozpětí udává délku "
         "řady, kterou se daří zopakovat zhruba v polovině pokusů. Odhad rozpětí zůstal zhruba "
         "stejný: v prvním testu byl 4,5, v posledním 4,7."},
        {{3, 5, PeriodUnit::Days, 5, LongestSuccess, 5, 5, Stayed},
         day.addDays(5),
         "Od 2. 3. 2026 do 7. 3. 2026 (5 dní) proběhly 3 testy. První nebo poslední test byl na "
         "odhad rozpětí příliš krátký, proto porovnáváme nejdelší správně zopakovanou řadu. "
         "Nejdelší zopakovaná řada zůstala stejná: v prvním i v posledním testu měla délku 5."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(report_text::Paragraph(c.figures, day, c.latest), QString::fromUtf8(c.paragraph));
}

} // namespace
} // namespace vorlant
