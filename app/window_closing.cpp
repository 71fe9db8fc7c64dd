#include "app/window_closing.h"

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace vorlant {
namespace {

// Closing a window may show another one at once (a box that a cancelled step shows); a few
// rounds leave those too.
constexpr int kRounds = 4;

QList<QPointer<QWidget>> ShownWindows()
{
    QList<QPointer<QWidget>> shown;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->isVisible())
            shown << window;
    return shown;
}

} // namespace

void CloseEveryWindow()
{
    for (int round = 0; round < kRounds; ++round) {
        const QList<QPointer<QWidget>> shown = ShownWindows();
        if (shown.isEmpty())
            return;
        // A window closed on the way (with its parent, or deleted) is skipped.
        for (const QPointer<QWidget> &window : shown) {
            if (!window || !window->isVisible() || window->close())
                continue;
            if (auto *dialog = qobject_cast<QDialog *>(window.data()))
                dialog->done(QDialog::Rejected);
            else
                window->hide();
        }
    }
}

} // namespace vorlant
