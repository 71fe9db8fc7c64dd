// The windows that the main window's menu opens: where they appear and what they show.
#include "tests/app/program_rig.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

namespace vorlant {
namespace {

using ::testing::ElementsAre;
using testing::ProgramRig;

// Stands in for a window manager that, when it maps a window, puts it where it likes (here the
// top left corner) and only then tells the window its frame. A window that places itself only
// before it is mapped is left there.
class PlacingWindowManager : public QObject
{
public:
    PlacingWindowManager() { qApp->installEventFilter(this); }
    ~PlacingWindowManager() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The native window's show comes after the widget's own show handling.
        if (event->type() == QEvent::Show && watched->isWindowType())
            for (QWidget *window : QApplication::topLevelWidgets())
                if (window->windowHandle() == watched)
                    window->move(0, 0);
        return false;
    }
};

::testing::AssertionResult CentredOnItsScreen(const QWidget &window)
{
    const QPoint centre = window.screen()->availableGeometry().center();
    const QPoint offset = window.frameGeometry().center() - centre;
    if (offset.manhattanLength() <= 2)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << window.objectName().toStdString() << " is off the centre by " << offset.x() << ","
           << offset.y();
}

TEST(MenuWindows, AppearCentredAlthoughTheWindowManagerPlacesThemWhenItMapsThem)
{
    const struct
    {
        const char *item;
        const char *window;
        bool modal;
    } windows[] = {{"Popis2", "TForm2", false},
                   {"Oprogramu1", "TForm7", true},
                   {"Archiv1", "TForm5", false},
                   {"Konec1", "TForm3", false}};
    for (const auto &w : windows) {
        SCOPED_TRACE(w.item);
        ProgramRig rig;
        PlacingWindowManager windowManager;
        if (w.modal) {
            WhileModal([&] { rig.action(w.item)->trigger(); },
                       [&](QWidget &dialog) {
                           EXPECT_EQ(dialog.objectName(), QString::fromLatin1(w.window));
                           EXPECT_TRUE(CentredOnItsScreen(dialog));
                           Find<QPushButton>(dialog, "Button1")->click();
                       });
            continue;
        }
        rig.action(w.item)->trigger();
        QWidget *shown = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (window->objectName() == QString::fromLatin1(w.window))
                shown = window;
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->isVisible());
        EXPECT_TRUE(CentredOnItsScreen(*shown));
        shown->close();
    }
}

// The archive list is filled at start-up; "Archiv" refills it only while it shows no file.
TEST(MenuWindows, ArchivRefillsTheArchiveListOnlyWhileItsFirstRowIsEmpty)
{
    ProgramRig rig;
    const auto save = [&](const char *name) {
        QFile file(rig.dataFolder() + '/' + QString::fromUtf8(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(16016, '\0'));
    };
    const char *jan = "Novák Jan | 2024_03_05 09_07.mem | Novák Jan 2024_03_05 09_07.mem";
    EXPECT_THAT(rig.archiveRowsAfterArchiv(), ElementsAre(" |  | "));
    save("Novák Jan 2024_03_05 09_07.mem");
    EXPECT_THAT(rig.archiveRowsAfterArchiv(), ElementsAre(jan));
    save("Novák Eva 2024_03_04 10_00.mem"); // the name filter, now "Novák", would show it
    EXPECT_THAT(rig.archiveRowsAfterArchiv(), ElementsAre(jan))
        << "a list with a first person is kept";
}

} // namespace
} // namespace vorlant
