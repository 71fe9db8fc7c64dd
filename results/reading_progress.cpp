#include "results/reading_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace vorlant {
namespace {

// How long the reading may keep the events waiting once the dialog is up.
constexpr qint64 kEventsEveryMs = 25;

} // namespace

ReadingProgress::ReadingProgress(QWidget *parent, const QString &title, int files,
                                 std::chrono::milliseconds dialogAfter)
    : parent_(parent), title_(title), files_(files), dialogAfter_(dialogAfter.count())
{
    started_.start();
    lastEvents_.start();
}

ReadingProgress::~ReadingProgress() = default;

bool ReadingProgress::Cancelled(int done)
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

void ReadingProgress::Open()
{
    dialog_ = std::make_unique<QProgressDialog>(
        QCoreApplication::translate("ProgressReading", "Načítám výsledky…"),
        QCoreApplication::translate("ProgressReading", "Zrušit"), 0, files_, parent_);
    dialog_->setObjectName(QStringLiteral("progressReading"));
    dialog_->setWindowTitle(title_);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(0);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    dialog_->setValue(0);
    dialog_->show();
}

} // namespace vorlant
