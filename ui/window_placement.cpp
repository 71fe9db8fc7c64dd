#include "ui/window_placement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace vorlant {
namespace {

// The frame's thickness; zero until the window system has decorated the window.
QMargins FrameMargins(const QWidget &window)
{
    const QWindow *handle = window.windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

} // namespace

void CentreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect desktop = screen->availableGeometry();
    const QSize outer = window.size().grownBy(FrameMargins(window));
    // A window larger than the desktop keeps its top-left corner on it.
    const int left = std::max(0, (desktop.width() - outer.width()) / 2);
    const int top = std::max(0, (desktop.height() - outer.height()) / 2);
    // move() places the frame's top-left corner of a top-level window.
    window.move(desktop.left() + left, desktop.top() + top);
}

void SetOuterSize(QWidget &window, const QSize &outer)
{
    window.resize(outer.shrunkBy(FrameMargins(window)));
}

void SizeAndCentre(QWidget &window, const QSize &outer)
{
    SetOuterSize(window, outer);
    CentreOnScreen(window);
}

void SetVisibleCentredFirstTime(QWidget &window, bool visible, bool &placed,
                                const std::function<void(bool)> &setVisible)
{
    const bool firstShow = visible && !placed;
    if (firstShow) {
        placed = true;
        window.winId(); // the window system tells the frame's size only of a native window
        CentreOnScreen(window);
    }
    setVisible(visible);
    if (firstShow)
        CentreOnScreen(window);
}

void ShowInFront(QWidget &window, const QSize &firstOuterSize, bool &shownBefore)
{
    const bool firstShow = !shownBefore;
    shownBefore = true;
    if (firstShow) {
        // The window system tells the frame's size only of a native window it knows.
        window.winId();
        SizeAndCentre(window, firstOuterSize);
    }
    window.show();
    if (window.isMinimized())
        window.showNormal();
    if (firstShow)
        SizeAndCentre(window, firstOuterSize); // or only once the window is shown
    window.raise();
    window.activateWindow();
}

} // namespace vorlant
