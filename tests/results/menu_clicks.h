#pragma once

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

namespace vorlant::test {

// Opens the menu titled menuTitle in the window's menu bar and clicks its item text, as a
// user does with the mouse.
inline void ClickMenuItem(QMainWindow &window, const QString &menuTitle, const QString &text)
{
    QMenuBar *bar = window.menuBar();
    for (QAction *menuAction : bar->actions()) {
        QMenu *menu = menuAction->menu();
        if (!menu || menuAction->text() != menuTitle)
            continue;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menuAction).center());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        for (QAction *action : menu->actions()) {
            if (action->text() == text) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                return;
            }
        }
        menu->close();
        FAIL() << "no item " << text.toStdString() << " in " << menuTitle.toStdString();
    }
    FAIL() << "no menu " << menuTitle.toStdString();
}

} // namespace vorlant::test
