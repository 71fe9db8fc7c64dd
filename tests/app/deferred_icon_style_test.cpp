#include "app/deferred_icon_style.h"

#include <QApplication>
#include <QMenuBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace vorlant {
namespace {

QImage IconImage(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage();
}

TEST(DeferredIconStyle, GivesTheDesktopStylesIcons)
{
    DeferredIconStyle style;
    for (QStyle::StandardPixmap icon :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_MessageBoxWarning}) {
        const QImage expected = IconImage(style.baseStyle()->standardIcon(icon));
        ASSERT_FALSE(expected.isNull()) << icon;
        EXPECT_EQ(IconImage(style.standardIcon(icon)), expected) << icon;
    }
}

// The program's style, for the application as the program sets it, and the toolkit's own
// style of the same name back afterwards.
class ProgramStyle
{
public:
    ProgramStyle() : name_(QApplication::style()->name())
    {
        QApplication::setStyle(new DeferredIconStyle);
    }
    ~ProgramStyle() { QApplication::setStyle(name_); }

private:
    QString name_;
};

std::unique_ptr<QMenuBar> NarrowMenuBar()
{
    auto bar = std::make_unique<QMenuBar>();
    for (const char *caption : {"Akce", "Nastavení", "Výchozí počet ", "Rychlost"})
        bar->addMenu(QString::fromUtf8(caption));
    bar->resize(90, bar->sizeHint().height());
    bar->show();
    return bar;
}

// A menu bar too narrow for its menus shows its overflow button, drawn as without the style.
TEST(DeferredIconStyle, DrawsTheMenuBarsOverflowButton)
{
    const QImage expected = NarrowMenuBar()->grab().toImage();
    ProgramStyle style;
    auto bar = NarrowMenuBar();
    auto *button = bar->findChild<QToolButton *>();
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible());
    EXPECT_EQ(bar->grab().toImage(), expected);
}

} // namespace
} // namespace vorlant
