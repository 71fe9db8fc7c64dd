#include "results/archive_window.h"
#include "results/chart_window.h"
#include "store/results_store.h"
#include "tests/support/recording_sink.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

#include <array>
#include <map>
#include <memory>
#include <utility>

namespace vorlant {
namespace {

const char *const kSurnames[] = {"Novák",     "Svoboda", "Novotný",  "Dvořák", "Černý",
                                 "Procházka", "Kučera",  "Veselý",   "Horák",  "Němec",
                                 "Pokorný",   "Marek",   "Pospíšil", "Hájek",  "Jelínek",
                                 "Král",      "Růžička", "Beneš",    "Fiala",  "Sedláček"};
const char *const kFirstNames[] = {"Jan", "Petr", "Jiří",  "Pavel", "Tomáš",
                                   "Eva", "Jana", "Marie", "Lucie", "Kateřina"};
constexpr int kPersons = 200;

// The n-th results file of a school's folder: 200 persons take turns, each test a minute
// after the last. The second school's names differ from the first's in every part.
QString ResultsFileName(int n, int school)
{
    const int person = n % kPersons;
    const int minutes = n / kPersons + school * 7;
    return QStringLiteral("%1%2 %3 %4_%5_%6 %7_%8.mem")
        .arg(QString::fromUtf8(kSurnames[person % 20]),
             school ? QStringLiteral("-Malá") : QString(),
             QString::fromUtf8(kFirstNames[person / 20]))
        .arg(2010 + minutes / 100000)
        .arg(1 + minutes / 10000 % 12, 2, 10, QChar(u'0'))
        .arg(1 + minutes / 1000 % 28, 2, 10, QChar(u'0'))
        .arg(minutes / 60 % 24, 2, 10, QChar(u'0'))
        .arg(minutes % 60, 2, 10, QChar(u'0'));
}

// A folder of count results files, made once per count and school for the whole run. The
// listing reads no content, so one byte stands for a file's content (an empty file beside a
// save's temporary file would be a save under way, which the list leaves out).
QString FolderOf(int count, int school)
{
    static std::map<std::pair<int, int>, std::unique_ptr<QTemporaryDir>> folders;
    std::unique_ptr<QTemporaryDir> &folder = folders[{count, school}];
    if (!folder) {
        folder = std::make_unique<QTemporaryDir>();
        for (int n = 0; n < count; ++n) {
            QFile file(folder->filePath(ResultsFileName(n, school)));
            if (!file.open(QIODevice::WriteOnly) || file.write("x", 1) != 1)
                qFatal("cannot create %s", qPrintable(file.fileName()));
        }
    }
    return folder->path();
}

// One refill of the shown window with count files: list, sort, fill the grid, rebuild the
// filter's choices, and paint. The window switches between two schools' folders, so every
// cell of the grid changes at every fill, as it does when the name filter changes.
void BM_FillArchiveList(benchmark::State &state)
{
    const int count = static_cast<int>(state.range(0));
    const std::array<QString, 2> folders{FolderOf(count, 0), FolderOf(count, 1)};
    testing::RecordingSink sink;
    ResultsStore store(
        sink, [] { return LocalTime{}; }, folders[0].toStdString());
    ChartWindow chart(sink);
    ArchiveWindow window(store, &chart);
    window.SetDirectory(folders[0]);
    window.ShowArchive();
    if (!QTest::qWaitForWindowExposed(&window))
        state.SkipWithError("the window was not shown");
    int school = 0;
    for (auto _ : state) {
        school = 1 - school;
        window.SetDirectory(folders[school]); // refills through DEChange
        QCoreApplication::processEvents();    // the repaint that Qt defers to the event loop
    }
    state.SetComplexityN(count);
}
BENCHMARK(BM_FillArchiveList)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);

} // namespace
} // namespace vorlant
