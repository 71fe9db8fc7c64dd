#include "results/progress_reading.h"

#include "results/archive_listing.h"
#include "results/reading_progress.h"
#include "store/file_io.h"
#include "store/results_name.h"

#include <QCoreApplication>

namespace vorlant {

QDateTime TestDateTime(const LocalTime &time)
{
    const QDateTime when(QDate(time.year, time.month, time.day), QTime(time.hour, time.minute));
    // A time that the clock skipped when summer time began is taken as the hour after it.
    return when.isValid() ? when : QDateTime::fromMSecsSinceEpoch(when.toMSecsSinceEpoch());
}

std::optional<PersonTests> ReadPersonTests(QWidget *parent, const QString &folder,
                                           const QString &person,
                                           std::chrono::milliseconds dialogAfter)
{
    const std::string wanted = PersonWithoutCopyNumber(person.toStdString());
    std::vector<QString> files;
    for (const ArchiveEntry &entry : ListResultsFiles(folder, QString())) {
        if (PersonWithoutCopyNumber(entry.person.toStdString()) == wanted)
            files.push_back(entry.fileName);
    }

    const std::string folderPath = folder.toStdString();
    ReadingProgress progress(parent,
                             QCoreApplication::translate("ProgressReading", "Vývoj výsledků"),
                             static_cast<int>(files.size()), dialogAfter);
    PersonTests read;
    read.tests.reserve(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (progress.Cancelled(static_cast<int>(i)))
            return std::nullopt;
        const std::string name = files[i].toStdString();
        const ResultsNameParts parts = ParseResultsFileName(name);
        const std::string path = JoinPath(folderPath, name);
        std::error_code error;
        const std::optional<LogRecords> log =
            parts.time ? ReadResultsFile(path, error) : std::nullopt;
        if (!log) {
            if (!IsEmptyFile(path)) // an empty one is a save still writing its file
                read.unreadable << files[i];
            continue;
        }
        const TestSummary summary = SummariseLog(*log);
        if (summary.attempts > 0)
            read.tests.push_back({TestDateTime(*parts.time), files[i], summary});
    }
    return read;
}

} // namespace vorlant
