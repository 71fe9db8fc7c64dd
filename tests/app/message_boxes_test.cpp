#include "app/message_boxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace vorlant {
namespace {

struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

// Runs `show`, which opens a modal box; reads the box and closes it with its first button.
SeenBox ReadAndClose(const std::function<void()> &show)
{
    SeenBox seen;
    bool found = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || found)
            return;
        found = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (const QAbstractButton *button : box->buttons())
            seen.buttons << button->text();
        box->buttons().value(0)->click();
    });
    poll.start();
    show();
    EXPECT_TRUE(found) << "no message box was shown";
    return seen;
}

TEST(MessageBoxes, PlainMessageHasTheTitleOneOkButtonAndNoIcon)
{
    MessageBoxes boxes;
    const SeenBox seen = ReadAndClose([&] { boxes.Message("Nelze zadat prázdné jméno"); });
    EXPECT_EQ(seen.title, "App_tests");
    EXPECT_EQ(seen.text, "Nelze zadat prázdné jméno") << "a message gets no full stop";
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QStringList{"OK"});
}

TEST(MessageBoxes, ErrorEndsInExactlyOneFullStop)
{
    const struct
    {
        const char *given;
        const char *shown;
    } cases[] = {
        {"x", "x."},
        {"x.", "x."},
        {"Cannot open file \"/data/popis.txt\". Is a directory",
         "Cannot open file \"/data/popis.txt\". Is a directory."},
        {"Soubor nelze uložit!", "Soubor nelze uložit!."},
    };
    MessageBoxes boxes;
    for (const auto &c : cases) {
        const SeenBox seen = ReadAndClose([&] { boxes.Error(c.given); });
        EXPECT_EQ(seen.text, QString::fromUtf8(c.shown)) << c.given;
        EXPECT_EQ(seen.title, "App_tests");
        EXPECT_EQ(seen.icon, QMessageBox::Critical);
        EXPECT_EQ(seen.buttons, QStringList{"OK"});
    }
}

} // namespace
} // namespace vorlant
