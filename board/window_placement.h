#pragma once

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

} // namespace vorlant
