#pragma once

#include <functional>

class QSize;
class QWidget;

namespace vorlant {

// Moves a top-level window so that its frame is centred on the available area of its screen.
void CentreOnScreen(QWidget &window);

// Sizes a top-level window so that its frame, as far as the window system has told it, has
// the given outer size.
void SetOuterSize(QWidget &window, const QSize &outer);

// Both of the above: the outer size, then centred.
void SizeAndCentre(QWidget &window, const QSize &outer);

// Shows a top-level window non-modally in front of the others. The first time it gets the
// given outer size and is centred; later it stays where the user put it.
void ShowInFront(QWidget &window, const QSize &firstOuterSize, bool &shownBefore);

// For a dialog's setVisible, which show() and exec() both reach: setVisible(visible) does the
// dialog's own showing or hiding. The first show is centred before and again after it, once the
// window system has told the frame; later the dialog stays where the user put it.
void SetVisibleCentredFirstTime(QWidget &window, bool visible, bool &placed,
                                const std::function<void(bool)> &setVisible);

} // namespace vorlant
