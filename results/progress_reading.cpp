#include "results/progress_reading.h"

#include "results/archive_listing.h"
#include "store/file_io.h"
#include "store/results_name.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProgressDialog>

#include <memory>

namespace vorlant {
namespace {

// How long the reading may keep the events waiting once the dialog is up.
constexpr qint64 kEventsEveryMs = 25;

QDateTime DateTimeOf(const LocalTime &time)
{
    const QDateTime when(QDate(time.year, time.month, time.day), QTime(time.hour, time.minute));
    // A time that the clock skipped when summer time began is taken as the hour after it.
    return when.isValid() ? when : QDateTime::fromMSecsSinceEpoch(when.toMSecsSinceEpoch());
}

// The dialog appears only once reading has taken long enough, and then keeps the program's
// windows answering between files.
class ReadingProgress
{
public:
    ReadingProgress(QWidget *parent, int files, std::chrono::milliseconds dialogAfter)
        : parent_(parent), files_(files), dialogAfter_(dialogAfter.count())
    {
        started_.start();
        lastEvents_.start();
    }

    // Whether the user has asked to stop, after done files of all.
    bool Cancelled(int done)
    {
        if (!dialog_) {
            if (started_.elapsed() < dialogAfter_)
                return false;
            Open();
        }
        if (lastEvents_.elapsed() >= kEventsEveryMs || done == 0) {
            dialog_->setValue(done);
            QCoreApplication::processEvents();
            lastEvents_.restart();
        }
        return dialog_->wasCanceled();
    }

private:
    void Open()
    {
        dialog_ = std::make_unique<QProgressDialog>(
            QCoreApplication::translate("ProgressReading", "Načítám výsledky…"),
            QCoreApplication::translate("ProgressReading", "Zrušit"), 0, files_, parent_);
        dialog_->setObjectName(QStringLiteral("progressReading"));
        dialog_->setWindowTitle(QCoreApplication::translate("ProgressReading", "Vývoj výsledků"));
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(0);
        dialog_->setAutoReset(false);
        dialog_->setAutoClose(false);
        dialog_->setValue(0);
        dialog_->show();
    }

    QWidget *parent_;
    int files_;
    qint64 dialogAfter_;
    QElapsedTimer started_;
    QElapsedTimer lastEvents_;
    std::unique_ptr<QProgressDialog> dialog_;
};

} // namespace

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
    ReadingProgress progress(parent, static_cast<int>(files.size()), dialogAfter);
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
            read.tests.push_back({DateTimeOf(*parts.time), files[i], summary});
    }
    return read;
}

} // namespace vorlant
