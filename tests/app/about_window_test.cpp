#include "app/about_window.h"

#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace vorlant {
namespace {

TEST(AboutWindow, TextsStandAtTheirPlacesSizedToTheirContent)
{
    const struct
    {
        const char *text;
        QPoint topLeft;
        bool bold;
    } texts[] = {
        {"Autor:", {16, 8}, false},
        {"Tým Vorlant", {72, 8}, true},
        {"Verze:", {16, 32}, false},
        {"1.5.0 - 18. 07. 2021", {72, 32}, true},
        {"Kontakt:", {16, 56}, false},
        {"README.md u zdrojů", {72, 56}, true},
        {"Pro nekomerční účely zdarma", {18, 88}, true},
    };
    AboutWindow about;
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
    ASSERT_EQ(about.findChildren<QLabel *>().size(), std::size(texts));
    for (const auto &t : texts) {
        const auto *label = qobject_cast<QLabel *>(about.childAt(t.topLeft + QPoint(1, 1)));
        ASSERT_NE(label, nullptr) << "no text at the place of " << t.text;
        EXPECT_EQ(label->text(), QString::fromUtf8(t.text));
        EXPECT_EQ(label->pos(), t.topLeft) << t.text;
        EXPECT_EQ(label->size(), label->sizeHint()) << t.text;
        EXPECT_EQ(label->font().bold(), t.bold) << t.text;
        EXPECT_LE(label->geometry().right(), about.width()) << t.text << " fits the window";
    }
}

} // namespace
} // namespace vorlant
