#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
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

// The button with the given text in a message box or dialog; fails the test when there is none.
inline QAbstractButton *ButtonWithText(const QWidget &window, const QString &text)
{
    for (auto *button : window.findChildren<QAbstractButton *>())
        if (button->text() == text)
            return button;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
}

// Chooses file in an open save dialog as a user types it. The dialog reads its folder on a
// thread of its own and may then put the suggested name back: the caller's timer types the name
// again until the choice holds. The dialog is accepted later, so that timer is free to answer a
// question that follows; accepted runs first.
inline void ChooseInFileDialog(QFileDialog &dialog, const QString &file,
                               const std::function<void()> &accepted = {})
{
    if (auto *name = dialog.findChild<QLineEdit *>("fileNameEdit"))
        name->setText(file);
    QTimer::singleShot(0, &dialog, [&dialog, file, accepted] {
        if (QApplication::activeModalWidget() == &dialog &&
            dialog.selectedFiles() == QStringList{file}) {
            if (accepted)
                accepted();
            static_cast<QDialog &>(dialog).accept();
        }
    });
}

} // namespace vorlant
