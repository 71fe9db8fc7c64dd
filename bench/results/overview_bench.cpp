#include "results/archive_window.h"
#include "results/chart_window.h"
#include "results/overview_window.h"
#include "store/personal_best.h"
#include "store/results_file.h"
#include "store/results_store.h"
#include "tests/support/recording_sink.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace vorlant {
namespace {

constexpr int kPersons = 30;

// A test of 100 attempts, about as many as a long session holds.
LogRecords SessionLog(int seed)
{
    LogRecords log{};
    for (int i = 0; i < 100; ++i)
        log[i] = {3 + (seed + i / 4) % 7, (seed + i) % 3 != 0, 800 + (seed * 37 + i * 91) % 5000};
    return log;
}

// A class of 30 persons sharing count results files in turn, an hour apart, made once per
// count for the whole run.
QString ClassFolder(int count)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    std::unique_ptr<QTemporaryDir> &folder = folders[count];
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        for (int n = 0; n < count; ++n) {
            const QDateTime when = QDateTime(QDate(2020, 1, 1), QTime(8, 0)).addSecs(3600LL * n);
            const QString name =
                QStringLiteral("Žák%1 Jméno").arg(n % kPersons, 2, 10, QChar('0')) +
                when.toString(QStringLiteral(" yyyy_MM_dd HH_mm")) + ".mem";
            QFile file(folder->filePath(name));
            const ResultsBlock block = EncodeResults(SessionLog(n));
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(reinterpret_cast<const char *>(block.data()), block.size()) !=
                    qint64(block.size()))
                qFatal("cannot write %s", qPrintable(file.fileName()));
        }
    }
    return folder->path();
}

// "Přehled osob" from the archive window listing count files: reading them all, filling the
// table and painting the shown window.
void BM_ShowOverview(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const QString folder = ClassFolder(count);
    testing::RecordingSink sink;
    ResultsStore store(
        sink, [] { return LocalTime{}; }, folder.toStdString());
    ChartWindow chart(sink);
    ArchiveWindow window(store, &chart);
    window.SetDirectory(folder);
    QAction *overview = window.findChild<QAction *>(QStringLiteral("overviewOfPersons"));
    overview->trigger();
    QTableView &table = window.Overview().Table();
    if (!QTest::qWaitForWindowExposed(&window.Overview()))
        state.SkipWithError("the window was not shown");
    for (auto _ : state) {
        overview->trigger();
        // The table is painted before the next round.
        table.viewport()->repaint();
    }
    if (table.model()->rowCount() != kPersons || !sink.messages.empty())
        state.SkipWithError("not every person was read");
    state.SetComplexityN(count);
}
BENCHMARK(BM_ShowOverview)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// "Export do Excelu…" from the archive window listing count files: reading them, writing the
// workbook and saving it to disk, synced.
void BM_ExportXlsx(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const QString folder = ClassFolder(count);
    QTemporaryDir output;
    const QString target = output.filePath(QStringLiteral("vysledky.xlsx"));
    testing::RecordingSink sink;
    ResultsStore store(
        sink, [] { return LocalTime{}; }, output.path().toStdString());
    ChartWindow chart(sink);
    ArchiveWindow window(store, &chart);
    window.SetDirectory(folder);
    window.SetWorkbookFileChooser([&](QWidget *, const QString &) { return target; });
    QAction *exportXlsx = window.findChild<QAction *>(QStringLiteral("exportXlsx"));
    for (auto _ : state)
        exportXlsx->trigger();
    if (!QFile::exists(target) || !sink.messages.empty())
        state.SkipWithError("the workbook was not written");
    state.counters["bytes"] = double(QFile(target).size());
}
BENCHMARK(BM_ExportXlsx)->Arg(1000)->Unit(benchmark::kMillisecond);

// Whether a test ended with "Konec" is a new personal best: every name of a data folder of
// count files looked at, and the person's own files (one in 30) read.
void BM_IsPersonalBest(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const std::string folder = ClassFolder(count).toStdString();
    const TestSummary test = SummariseLog(SessionLog(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(IsPersonalBest(test, folder, "Žák00 Jméno", {}));
    state.SetComplexityN(count);
}
BENCHMARK(BM_IsPersonalBest)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
} // namespace vorlant
