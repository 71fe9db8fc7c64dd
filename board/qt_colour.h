#pragma once

#include <QColor>

namespace vorlant {

struct Colour;

// The screen colour of a Colour, resolving the system roles: button face from the
// application palette, gradient active caption as the light blue that desktops use for it.
QColor ToQColor(const Colour &colour);

} // namespace vorlant
