#include "app/about_window.h"

#include "widget_lookup.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace vorlant {
namespace {

class AboutWindowTest : public ::testing::Test
{
protected:
    void Open()
    {
        about.show();
        about.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    }

    QLabel *Label(const QString &text) const
    {
        for (QLabel *label : about.findChildren<QLabel *>())
            if (label->text() == text)
                return label;
        ADD_FAILURE() << "no text " << text.toStdString();
        return nullptr;
    }

    AboutWindow about;
    QPushButton *ok = Child<QPushButton>(about, "Button1");
};

TEST_F(AboutWindowTest, TextsStandAtTheirPlacesSizedToTheirContent)
{
    struct Text
    {
        const char *text;
        QPoint topLeft;
        bool bold;
    };
    const Text texts[] = {
        {"Autor:", {16, 8}, false},
        {"Tým Vorlant", {72, 8}, true},
        {"Verze:", {16, 32}, false},
        {"1.5.0 - 18. 07. 2021", {72, 32}, true},
        {"Kontakt:", {16, 56}, false},
        {"README.md u zdrojů", {72, 56}, true},
        {"Pro nekomerční účely zdarma", {18, 88}, true},
    };
    Open();
    EXPECT_EQ(about.findChildren<QLabel *>().size(), std::size(texts));
    for (const Text &t : texts) {
        const QLabel *label = Label(QString::fromUtf8(t.text));
        if (!label)
            continue;
        EXPECT_EQ(label->pos(), t.topLeft) << t.text;
        EXPECT_EQ(label->size(), label->sizeHint()) << t.text;
        EXPECT_EQ(label->font().bold(), t.bold) << t.text;
        EXPECT_LE(label->geometry().right(), about.width()) << t.text << " fits the window";
    }
}

TEST_F(AboutWindowTest, FixedWindowWithoutTitleBarButtonsInTheMiddleOfTheScreen)
{
    Open();
    EXPECT_EQ(about.objectName(), "TForm7");
    EXPECT_EQ(about.windowTitle(), "O programu");
    EXPECT_EQ(about.size(), QSize(260, 168));
    EXPECT_EQ(about.minimumSize(), about.maximumSize());
    const Qt::WindowFlags flags = about.windowFlags();
    for (Qt::WindowType button :
         {Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
          Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint})
        EXPECT_FALSE(flags.testFlag(button)) << "title-bar button " << button;
    EXPECT_EQ(ok->geometry(), QRect(93, 124, 75, 25));
    EXPECT_EQ(ok->text(), "OK");
    EXPECT_TRUE(IsCentred(about));
}

TEST_F(AboutWindowTest, ModalRunIgnoresEscapeAndEndsWithOk)
{
    bool openAfterEscape = false;
    QTimer::singleShot(0, &about, [&] {
        QTest::keyClick(&about, Qt::Key_Escape);
        openAfterEscape = about.isVisible();
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
    EXPECT_TRUE(openAfterEscape);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(AboutWindowTest, WindowSystemMayCloseIt)
{
    Open();
    EXPECT_TRUE(about.close());
    EXPECT_FALSE(about.isVisible());
    Open();
    EXPECT_TRUE(about.isVisible()) << "it can be opened again";
}

} // namespace
} // namespace vorlant
