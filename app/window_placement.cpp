#include "app/window_placement.h"

#include <QMargins>
#include <QRect>
#include <QScreen>
#include <QWidget>
#include <QWindow>

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
    const QScreen *screen = window.screen();
    if (!screen)
        return;
    const QMargins frame = FrameMargins(window);
    const QSize outer = window.size().grownBy(frame);
    QRect placed(QPoint(), outer);
    placed.moveCenter(screen->availableGeometry().center());
    // move() places the frame's top-left corner of a top-level window.
    window.move(placed.topLeft());
}

void SetOuterSize(QWidget &window, const QSize &outer)
{
    window.resize(outer.shrunkBy(FrameMargins(window)));
}

} // namespace vorlant
