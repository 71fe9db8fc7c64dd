#include "results/archive_window.h"
#include "results/chart_window.h"
#include "results/person_report_dialog.h"
#include "results/person_report_page.h"
#include "results/progress_chart.h"
#include "results/progress_reading.h"
#include "results/progress_window.h"
#include "store/results_file.h"
#include "store/results_store.h"
#include "tests/support/recording_sink.h"

#include <QAction>
#include <QChartView>
#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace vorlant {
namespace {

// A test of 100 attempts, about as many as a long session holds; the lengths wander
// between 3 and 9 with the outcomes.
LogRecords SessionLog(int seed)
{
    LogRecords log{};
    for (int i = 0; i < 100; ++i)
        log[i] = {3 + (seed + i / 4) % 7, (seed + i) % 3 != 0, 800 + (seed * 37 + i * 91) % 5000};
    return log;
}

// The n-th test of a person, an hour after the one before.
QString TestFileName(const QString &person, int n)
{
    const QDateTime when = QDateTime(QDate(2020, 1, 1), QTime(8, 0)).addSecs(3600LL * n);
    return person + when.toString(QStringLiteral(" yyyy_MM_dd HH_mm")) + ".mem";
}

// A folder of count results files of one person, made once per count for the whole run.
QString FolderOf(int count, const QString &person)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    std::unique_ptr<QTemporaryDir> &folder = folders[count];
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        for (int n = 0; n < count; ++n) {
            QFile file(folder->filePath(TestFileName(person, n)));
            const ResultsBlock block = EncodeResults(SessionLog(n));
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(reinterpret_cast<const char *>(block.data()), block.size()) !=
                    qint64(block.size()))
                qFatal("cannot write %s", qPrintable(file.fileName()));
        }
    }
    return folder->path();
}

// Counts the paints of a widget, so that a measurement can wait for the drawing.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// Reading every test of one person, drawing the points and painting the shown window.
void BM_ShowProgress(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const QString person = QStringLiteral("Dvořák Jiří");
    const QString folder = FolderOf(count, person);
    testing::RecordingSink sink;
    ProgressWindow window(sink);
    window.ShowProgress(folder, person);
    if (!QTest::qWaitForWindowExposed(&window))
        state.SkipWithError("the window was not shown");
    PaintCounter counter;
    window.findChild<QChartView *>()->viewport()->installEventFilter(&counter);
    for (auto _ : state) {
        const int before = counter.paints;
        window.ShowProgress(folder, person);
        while (counter.paints == before)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    }
    if (window.Chart().Tests().size() != std::size_t(count) || !sink.messages.empty())
        state.SkipWithError("not every test was read");
    state.SetComplexityN(count);
}
BENCHMARK(BM_ShowProgress)
    ->Arg(100)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// "Zpráva o osobě…" saved as a PDF: reading every test of one person, drawing the page and
// saving the file.
void BM_PersonReport(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const QString person = QStringLiteral("Dvořák Jiří");
    const QString folder = FolderOf(count, person);
    QTemporaryDir output;
    const QString target = output.filePath(QStringLiteral("zprava.pdf"));
    std::size_t tests = 0;
    for (auto _ : state) {
        std::optional<PersonTests> read =
            ReadPersonTests(nullptr, folder, person, std::chrono::hours(1));
        tests = read->tests.size();
        const PersonReport report{person, InTimeOrder(std::move(read->tests)),
                                  QDateTime::currentDateTime(),
                                  QStringLiteral("Trénuje doma dvakrát týdně.")};
        std::error_code error;
        if (!SavePersonReportPdf(target, report, error))
            state.SkipWithError("the PDF was not saved");
    }
    if (tests != std::size_t(count))
        state.SkipWithError("not every test was read");
    state.counters["bytes"] = double(QFile(target).size());
}
BENCHMARK(BM_PersonReport)->Arg(100)->Unit(benchmark::kMillisecond);

// "Export do CSV…" from the archive window listing count files: reading them, writing the
// CSV and saving it to disk, synced.
void BM_ExportCsv(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const QString folder = FolderOf(count, QStringLiteral("Dvořák Jiří"));
    QTemporaryDir output;
    const QString target = output.filePath(QStringLiteral("vysledky.csv"));
    testing::RecordingSink sink;
    ResultsStore store(
        sink, [] { return LocalTime{}; }, output.path().toStdString());
    ChartWindow chart(sink);
    ArchiveWindow window(store, &chart);
    window.SetDirectory(folder);
    window.SetSaveFileChooser([&](QWidget *, const QString &) { return target; });
    QAction *exportCsv = window.findChild<QAction *>(QStringLiteral("exportCsv"));
    for (auto _ : state)
        exportCsv->trigger();
    if (!QFile::exists(target) || !sink.messages.empty())
        state.SkipWithError("the CSV file was not written");
    state.counters["bytes"] = double(QFile(target).size());
}
BENCHMARK(BM_ExportCsv)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vorlant
