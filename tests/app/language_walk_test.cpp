#include "app/translations.h"
#include "results/archive_window.h"
#include "results/overview_model.h"
#include "results/overview_window.h"
#include "store/results_file.h"
#include "tests/app/program_rig.h"
#include "tests/app/translation_test_support.h"
#include "tests/results/workbook_reader.h"
#include "tests/store/store_test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QChartView>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QRegularExpression>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace vorlant {
namespace {

using testing::ProgramRig;

// Data, not the program's text: it may be in any language.
const QString kPerson = QStringLiteral("Jiří Dvořák");

// The texts a user can read on a widget, its actions and its chart; not what it holds as data
// (typed text, list cells, combo box items).
void AddShownTexts(const QWidget &widget, QStringList &texts)
{
    if (widget.isWindow())
        texts << widget.windowTitle();
    texts << widget.toolTip() << widget.statusTip() << widget.whatsThis();
    if (auto *label = qobject_cast<const QLabel *>(&widget))
        texts << label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(&widget))
        texts << button->text();
    if (auto *group = qobject_cast<const QGroupBox *>(&widget))
        texts << group->title();
    if (auto *menu = qobject_cast<const QMenu *>(&widget))
        texts << menu->title();
    if (auto *edit = qobject_cast<const QLineEdit *>(&widget))
        texts << edit->placeholderText();
    if (auto *view = qobject_cast<const QTextEdit *>(&widget))
        texts << view->toPlainText().split(u'\n');
    if (auto *table = qobject_cast<const QTableView *>(&widget))
        for (int column = 0; column < table->model()->columnCount(); ++column)
            texts << table->model()->headerData(column, Qt::Horizontal).toString();
    if (auto *view = qobject_cast<const QChartView *>(&widget)) {
        QChart &chart = *view->chart();
        texts << chart.title();
        for (const QAbstractAxis *axis : chart.axes())
            texts << axis->titleText();
        for (const QAbstractSeries *series : chart.series())
            texts << series->name();
    }
    for (const QAction *action : widget.actions())
        texts << action->text() << action->toolTip();
}

// Every text of every window and dialog of the program, with a test saved by kPerson ended
// into the chart, the archive listing it, that person's progress, the overview of persons, the
// dialog of the person's report and the help shown.
QStringList EveryShownText()
{
    ProgramRig rig;
    rig.startWithName([&] { QTest::mouseClick(rig.button("_start"), Qt::LeftButton); }, kPerson);
    for (int attempt = 0; attempt < 2; ++attempt) { // a test of one attempt has no report
        if (attempt > 0)
            rig.rest();
        for (const CellPosition cell : rig.showRound())
            rig.click(cell);
        rig.fire("_2");
    }
    QTest::mouseClick(rig.button("_Konec"), Qt::LeftButton); // the chart window shows
    EXPECT_EQ(rig.archiveRowsAfterArchiv().size(), 1);
    QWidget *archive = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == u"TForm5")
            archive = window;
    EXPECT_NE(archive, nullptr);
    if (archive) {
        auto *list = Find<QTableWidget>(*archive, "SG1");
        list->setCurrentCell(0, 0);
        Find<QAction>(*archive, "progressOfPerson")->trigger();
        Find<QAction>(*archive, "overviewOfPersons")->trigger();
        WhileModal([&] { Find<QAction>(*archive, "reportOfPerson")->trigger(); },
                   [](QWidget &report) { report.close(); });
    }
    rig.action("Popis2")->trigger();

    QStringList texts;
    for (const QWidget *widget : QApplication::allWidgets())
        AddShownTexts(*widget, texts);
    texts.replaceInStrings(kPerson, QString());
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

// The texts of the translation file: its sources and their translations.
struct TranslationTexts
{
    std::set<QString> sources;
    std::set<QString> translations;
};

TranslationTexts ReadTranslation()
{
    TranslationTexts texts;
    const QString file = QDir(QStringLiteral(VORLANT_SOURCE_DIR))
                             .filePath(QStringLiteral("translations/vorlant_en.ts"));
    const std::vector<test::TsEntry> entries = test::ReadTsFile(file);
    EXPECT_FALSE(entries.empty()) << file.toStdString();
    for (const test::TsEntry &entry : entries) {
        texts.sources.insert(entry.source);
        texts.translations.insert(entry.translation);
    }
    return texts;
}

// Under English no window shows Czech nor a text left untranslated; under Czech none shows
// the English translation.
TEST(LanguageWalk, NoWindowShowsATextOfTheOtherLanguage)
{
    const TranslationTexts translation = ReadTranslation();
    const QRegularExpression czech(QStringLiteral("[ěščřžýáíéúůďťňĚŠČŘŽÝÁÍÉÚŮĎŤŇ]"));
    for (const bool english : {true, false}) {
        test::ScopedLanguage language(QString::fromLatin1(english ? "en" : "cs"));
        const QStringList texts = EveryShownText();
        for (const QString &text : texts) {
            const bool source = translation.sources.contains(text);
            const bool translated = translation.translations.contains(text);
            if (english)
                EXPECT_FALSE(text.contains(czech) || (source && !translated)) << text.toStdString();
            else
                EXPECT_FALSE(translated && !source) << "English: " << text.toStdString();
        }
        EXPECT_TRUE(texts.contains(english ? QStringLiteral("Overview of Persons")
                                           : QStringLiteral("Uložené výsledky")))
            << "the walk got there";
    }
}

// A folder of results files of many persons: the overview of them needs several pages.
void WriteManyPersons(const QString &, const QString &program)
{
    ASSERT_TRUE(QDir(program).mkdir("data"));
    const ResultsBlock block = EncodeResults(test::MakeLog({{4, true}, {5, false}}));
    for (int person = 0; person < 300; ++person) {
        const QString name = QStringLiteral("%1/data/Osoba %2 2024_03_01 08_00.mem")
                                 .arg(program)
                                 .arg(person, 3, 10, QChar('0'));
        std::ofstream(name.toStdString(), std::ios::binary)
            .write(reinterpret_cast<const char *>(block.data()), std::streamsize(block.size()));
    }
}

// What the program writes besides its windows speaks its language too: a print that fails
// between two pages says so, and the workbooks' dates are written the way the windows write them.
TEST(LanguageWalk, PrintFailuresAndWorkbookDatesFollowTheLanguage)
{
    const struct
    {
        const char *language;
        const char *printFailure;
        const char *timeFormat;
        const char *dateFormat;
    } cases[] = {
        {"en", "Printing failed: cannot start the next page", "yyyy-mm-dd hh:mm", "yyyy-mm-dd"},
        {"cs", "Tisk se nepodařil: další stranu nelze začít", "d. m. yyyy h:mm", "d. m. yyyy"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        test::ScopedLanguage language(QString::fromLatin1(c.language));
        ProgramRig rig(WriteManyPersons);
        ASSERT_EQ(rig.archiveRowsAfterArchiv().size(), 300);
        auto *archive = rig.main().findChild<ArchiveWindow *>();
        ASSERT_NE(archive, nullptr);
        const QString attempts = rig.currentFolder() + "/pokusy.xlsx";
        archive->SetWorkbookFileChooser([&](QWidget *, const QString &) { return attempts; });
        Find<QAction>(*archive, "exportXlsx")->trigger();
        Find<QAction>(*archive, "overviewOfPersons")->trigger();
        OverviewWindow &overview = archive->Overview();
        const QString persons = rig.currentFolder() + "/prehled.xlsx";
        overview.SetSaveFileChooser([&](QWidget *, const QString &) { return persons; });
        Find<QAction>(overview, "exportXlsx")->trigger();
        // The first pages fill the file up to the limit; the next page cannot begin.
        overview.SetPrinterSetup([&](QPrinter &printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(rig.currentFolder() + "/prehled.pdf");
            printer.setPageSize(QPageSize(QSizeF(100, 40), QPageSize::Millimeter, {},
                                          QPageSize::ExactMatch)); // pages of a few rows
            return true;
        });
        test::WithFileSizeLimit(4096, [&] {
            Find<QAction>(overview, "printOverview")->trigger();
            return true;
        });

        EXPECT_EQ(rig.sink.errors, std::vector<std::string>{c.printFailure});
        EXPECT_EQ(test::ReadWorkbook(attempts).Format(1, 1).toStdString(), c.timeFormat);
        const test::Workbook overviewBook = test::ReadWorkbook(persons);
        EXPECT_EQ(overviewBook.Format(1, OverviewModel::FirstColumn).toStdString(), c.dateFormat);
        EXPECT_EQ(overviewBook.Format(1, OverviewModel::LastColumn).toStdString(), c.dateFormat);
    }
}

} // namespace
} // namespace vorlant
