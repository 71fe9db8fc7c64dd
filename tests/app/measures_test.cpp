#include "results/chart_window.h"
#include "results/overview_model.h"
#include "results/overview_window.h"
#include "store/results_file.h"
#include "tests/app/program_rig.h"
#include "tests/app/translation_test_support.h"
#include "tests/store/store_test_support.h"

#include <QFile>
#include <QLabel>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

namespace vorlant {
namespace {

using testing::OtherCell;
using testing::ProgramRig;

// Answers the round that is due, every cell right or the first one wrong, in elapsedMs.
void AnswerRound(ProgramRig &rig, std::int64_t elapsedMs, bool right = true)
{
    const std::vector<CellPosition> shown = rig.showRound();
    if (right) {
        for (const CellPosition cell : shown)
            rig.click(cell);
    } else {
        rig.click(OtherCell(shown.at(0)));
    }
    rig.now = rig.main().Controller().InputStart() + elapsedMs - 50; // _2 adds its 50 ms
    rig.fire("_2");
    rig.rest();
}

void WriteTest(const QString &folder, const char *person, const LocalTime &time,
               const LogRecords &log)
{
    QFile file(folder + u'/' + QString::fromStdString(ResultsFileName(person, time)));
    const ResultsBlock block = EncodeResults(log);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(reinterpret_cast<const char *>(block.data()), qint64(block.size())),
              qint64(block.size()));
}

// The chart after "Konec" gives the test's measures, a new personal best first; the overview
// gives every person's latest span estimate; both as the program's language writes them.
TEST(Measures, TheChartsLineAndTheOverviewSpeakTheProgramsLanguage)
{
    const struct
    {
        const char *language;
        QString record;   // Eva's test of two 4-cell sequences, 2 s each, beating her 3
        QString noRecord; // her next one, of one 4-cell sequence in 1 s
        QString spanHeader;
        QString adamsSpan;
    } cases[] = {
        {"cs",
         "Nový osobní rekord!\nSprávně 2 z 2 (100 %) · Nejdelší zopakovaná řada 4 · Odhad rozpětí "
         "— · Čas na položku 0,50 s",
         "Správně 1 z 1 (100 %) · Nejdelší zopakovaná řada 4 · Odhad rozpětí — · Čas na položku "
         "0,25 s",
         "Odhad rozpětí", "3,7"},
        {"en",
         "New personal best!\nCorrect 2 of 2 (100%) · Longest correct sequence 4 · Span estimate — "
         "· Time per item 0.50 s",
         "Correct 1 of 1 (100%) · Longest correct sequence 4 · Span estimate — · Time per item "
         "0.25 s",
         "Span estimate", "3.7"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.language);
        test::ScopedLanguage language(QString::fromLatin1(c.language));
        ProgramRig rig;
        // Eva's first test: longest 3 (span 3,5); Adam's: span 11/3 (turns at 4, 3 and 4).
        WriteTest(rig.dataFolder(), "Eva", {2024, 3, 1, 8, 0},
                  test::MakeLog({{3, true}, {4, false}, {3, true}, {4, false}}));
        WriteTest(rig.dataFolder(), "Adam", {2024, 3, 2, 10, 0},
                  test::MakeLog({{3, true}, {4, false}, {3, true}, {4, false}, {3, true}}));
        const QLabel &line = rig.program().Chart().SummaryLine();

        rig.startWithName([&] { rig.button("_start")->click(); }, QStringLiteral("Eva"));
        AnswerRound(rig, 2000);
        AnswerRound(rig, 2000);
        rig.button("_Konec")->click();
        EXPECT_EQ(line.text(), c.record);
        rig.action("Konec1")->trigger(); // "Výsledky" shows the same test
        EXPECT_EQ(line.text(), c.record);

        // As long as the test just saved is no record.
        rig.startWithName([&] { rig.button("_start")->click(); }, QStringLiteral("Eva"));
        AnswerRound(rig, 1000);
        rig.button("_Konec")->click();
        EXPECT_EQ(line.text(), c.noRecord);

        rig.archiveRowsAfterArchiv();
        Find<QAction>(rig.main(), "overviewOfPersons")->trigger();
        auto *overview = rig.main().findChild<OverviewWindow *>();
        ASSERT_NE(overview, nullptr);
        const QAbstractItemModel &table = *overview->Table().model();
        EXPECT_EQ(table.headerData(OverviewModel::SpanColumn, Qt::Horizontal).toString(),
                  c.spanHeader);
        EXPECT_EQ(table.index(0, OverviewModel::PersonColumn).data().toString(), "Adam");
        EXPECT_EQ(table.index(0, OverviewModel::SpanColumn).data().toString(), c.adamsSpan);
    }
}

} // namespace
} // namespace vorlant
