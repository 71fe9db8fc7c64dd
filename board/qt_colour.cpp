#include "board/qt_colour.h"

#include "engine/colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace vorlant {

QColor ToQColor(const Colour &colour)
{
    switch (colour.role) {
    case Colour::Role::ButtonFace:
        return QGuiApplication::palette().color(QPalette::Button);
    case Colour::Role::GradientActiveCaption:
        return QColor(0xB9, 0xD1, 0xEA); // Qt has no palette role for it
    case Colour::Role::Fixed:
        break;
    }
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace vorlant
