#pragma once

#include <QElapsedTimer>
#include <QString>

#include <chrono>
#include <memory>

class QProgressDialog;
class QWidget;

namespace vorlant {

// Reading many results files: once it has taken longer than dialogAfter, a progress dialog
// titled title over parent shows how far it is, and the program's windows keep answering
// between files (the main window's timers keep running).
class ReadingProgress
{
public:
    ReadingProgress(QWidget *parent, const QString &title, int files,
                    std::chrono::milliseconds dialogAfter);
    ~ReadingProgress();
    ReadingProgress(const ReadingProgress &) = delete;
    ReadingProgress &operator=(const ReadingProgress &) = delete;

    // Whether the user has asked to stop, after done files of all.
    bool Cancelled(int done);

private:
    void Open();

    QWidget *parent_;
    QString title_;
    int files_;
    qint64 dialogAfter_;
    QElapsedTimer started_;
    QElapsedTimer lastEvents_;
    std::unique_ptr<QProgressDialog> dialog_;
};

} // namespace vorlant
