#include "results/overview_reading.h"

#include "results/archive_listing.h"
#include "results/progress_reading.h"
#include "results/reading_progress.h"
#include "store/file_io.h"
#include "store/results_name.h"
#include "store/test_summary.h"

#include <QCoreApplication>

#include <map>
#include <set>
#include <string>

namespace vorlant {
namespace {

// What the change of a row compares the latest test with.
struct FirstTest
{
    int longest = 0;
    std::optional<double> span;
};

// Adds one test to its person's row.
void AddTest(OverviewRow &row, const QDateTime &when, const TestSummary &summary, FirstTest &first)
{
    ++row.tests;
    if (summary.attempts == 0)
        return;
    const bool isFirst = !row.measured || when < row.first;
    const bool isLatest = !row.measured || when >= row.last;
    row.bestLength =
        row.measured ? std::max(row.bestLength, summary.longestSuccess) : summary.longestSuccess;
    if (isFirst) {
        row.first = when;
        first = {summary.longestSuccess, summary.spanEstimate};
    }
    if (isLatest) {
        row.last = when;
        row.latestSpan = summary.spanEstimate;
        row.latestLength = summary.longestSuccess;
        row.meanLength = summary.meanLength;
        row.successPercent = summary.successPercent;
    }
    row.measured = true;
    row.changeOfSpan = row.latestSpan && first.span;
    row.change =
        row.changeOfSpan ? *row.latestSpan - *first.span : double(row.latestLength - first.longest);
}

} // namespace

std::optional<Overview> ReadOverview(QWidget *parent, const QString &folder,
                                     const QStringList &listedFiles,
                                     std::chrono::milliseconds dialogAfter)
{
    std::set<std::string> persons;
    for (const QString &name : listedFiles)
        persons.insert(PersonWithoutCopyNumber(SplitResultsFileName(name).person.toStdString()));
    const std::vector<ArchiveEntry> entries = ListResultsFiles(folder, QString());
    std::vector<std::pair<std::string, std::string>> files; // person, file name
    for (const ArchiveEntry &entry : entries) {
        std::string person = PersonWithoutCopyNumber(entry.person.toStdString());
        if (persons.count(person))
            files.emplace_back(std::move(person), entry.fileName.toStdString());
    }

    const std::string folderPath = folder.toStdString();
    ReadingProgress progress(parent,
                             QCoreApplication::translate("vorlant::OverviewWindow", "Přehled osob"),
                             static_cast<int>(files.size()), dialogAfter);
    std::map<std::string, std::pair<OverviewRow, FirstTest>> rows;
    Overview overview;
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (progress.Cancelled(static_cast<int>(i)))
            return std::nullopt;
        const auto &[person, name] = files[i];
        const std::string path = JoinPath(folderPath, name);
        const ResultsNameParts parts = ParseResultsFileName(name);
        std::error_code error;
        const std::optional<LogRecords> log =
            parts.time ? ReadResultsFile(path, error) : std::nullopt;
        if (!log) {
            if (!parts.time || !IsEmptyFile(path))
                overview.unreadable << QString::fromStdString(name);
            continue;
        }
        auto &[row, firstTest] = rows[person];
        AddTest(row, TestDateTime(*parts.time), SummariseLog(*log), firstTest);
    }
    overview.rows.reserve(rows.size());
    for (auto &[person, row] : rows) {
        row.first.person = QString::fromStdString(person);
        overview.rows.push_back(std::move(row.first));
    }
    return overview;
}

} // namespace vorlant
