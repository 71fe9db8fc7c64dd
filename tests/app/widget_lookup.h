#pragma once

#include <QScreen>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

namespace vorlant {

// The child of the given type and object name; fails the test when there is none.
template <typename Widget> Widget *Child(const QWidget &parent, const char *name)
{
    auto *child = parent.findChild<Widget *>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << "no child " << name;
    return child;
}

// Whether the frame of a shown top-level window is centred on its screen's available area.
inline bool IsCentred(const QWidget &window)
{
    const QPoint offset =
        window.frameGeometry().center() - window.screen()->availableGeometry().center();
    return offset.manhattanLength() <= 2;
}

} // namespace vorlant
