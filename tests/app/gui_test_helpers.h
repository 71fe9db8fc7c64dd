#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace vorlant {

// The child of the given type and object name; fails the test when there is none.
template <typename Child> Child *Find(const QObject &parent, const char *name)
{
    auto *child = parent.findChild<Child *>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << "no child " << name;
    return child;
}

// Runs open, which opens a modal window and waits for it; act gets that window once it is up
// and must close it.
inline void WhileModal(const std::function<void()> &open, const std::function<void(QWidget &)> &act)
{
    bool acted = false;
    QTimer once;
    once.setSingleShot(true);
    QObject::connect(&once, &QTimer::timeout, [&] {
        acted = QApplication::activeModalWidget() != nullptr;
        ASSERT_TRUE(acted) << "no modal window opened";
        act(*QApplication::activeModalWidget());
    });
    once.start(0);
    open();
    EXPECT_TRUE(acted);
}

} // namespace vorlant
