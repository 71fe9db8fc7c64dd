#include "app/name_dialog.h"

#include "recording_sink.h"
#include "widget_lookup.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vorlant {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kEmptyNameMessage[] = "Nelze zadat prázdné jméno";

// Types any text, one key per character (QTest::keyClicks knows only ASCII).
void Type(QWidget *widget, const QString &text)
{
    for (QChar character : text) {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(character), {});
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(character), {});
    }
}

class NameDialogTest : public ::testing::Test
{
protected:
    void Open()
    {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    RecordingSink sink;
    std::vector<QString> started;
    NameDialog dialog{sink, [this](const QString &name) { started.push_back(name); }};
    QLineEdit *box = Child<QLineEdit>(dialog, "_jmeno");
    QPushButton *ok = Child<QPushButton>(dialog, "Button1");
};

TEST_F(NameDialogTest, LooksAsDesignedAndOffersNoTitleBarButtons)
{
    Open();
    EXPECT_EQ(dialog.objectName(), "TForm4");
    EXPECT_EQ(dialog.windowTitle(), "Zadej jméno");
    EXPECT_EQ(dialog.size(), QSize(365, 34));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize()) << "the user cannot resize it";
    const Qt::WindowFlags flags = dialog.windowFlags();
    for (Qt::WindowType button :
         {Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
          Qt::WindowMaximizeButtonHint, Qt::WindowContextHelpButtonHint})
        EXPECT_FALSE(flags.testFlag(button)) << "title-bar button " << button;
    EXPECT_EQ(box->geometry(), QRect(0, 8, 273, 21));
    EXPECT_EQ(ok->geometry(), QRect(282, 6, 75, 25));
    EXPECT_EQ(ok->text(), "Ok");
    EXPECT_FALSE(ok->isDefault());
    EXPECT_EQ(QApplication::focusWidget(), box) << "the box is first in the tab order";
    EXPECT_TRUE(IsCentred(dialog));
}

TEST_F(NameDialogTest, EmptyBoxIsRefusedByOkAndByEnter)
{
    Open();
    QTest::mouseClick(ok, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Enter);
    EXPECT_THAT(sink.messages,
                ElementsAre(kEmptyNameMessage, kEmptyNameMessage, kEmptyNameMessage));
    EXPECT_THAT(started, IsEmpty());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(NameDialogTest, NameOfSpacesOnlyIsAcceptedAsTyped)
{
    Open();
    QTest::keyClicks(box, "   ");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_THAT(started, ElementsAre("   "));
    EXPECT_THAT(sink.messages, IsEmpty());
}

TEST_F(NameDialogTest, BoxTakesNoTwentyFirstCharacterTypedOrPasted)
{
    const QString twentyFive = "Žluťoučký kůň úpěl ódy!!";
    ASSERT_GT(twentyFive.size(), 20);
    Open();

    Type(box, twentyFive);
    EXPECT_EQ(box->text(), twentyFive.left(20)) << "typed";

    box->clear();
    QApplication::clipboard()->setText(twentyFive);
    QTest::keySequence(box, QKeySequence::Paste);
    EXPECT_EQ(box->text(), twentyFive.left(20)) << "pasted";

    QTest::keySequence(box, QKeySequence::Paste);
    EXPECT_EQ(box->text(), twentyFive.left(20)) << "pasted into a full box";
}

TEST_F(NameDialogTest, OkStartsTheTestOnceWithTheNameAndHidesTheDialog)
{
    Open();
    QTest::keyClicks(box, "Eva");
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_THAT(started, ElementsAre("Eva"));
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(NameDialogTest, SecondOpeningKeepsThePreviousNameSelectedWhole)
{
    Open();
    Type(box, "Jana Nováková");
    QTest::keyClick(box, Qt::Key_Return);
    ASSERT_FALSE(dialog.isVisible());

    Open();
    EXPECT_EQ(box->text(), "Jana Nováková");
    EXPECT_EQ(box->selectedText(), "Jana Nováková");

    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_THAT(started, ElementsAre("Jana Nováková", "Jana Nováková"));

    Open();
    QTest::keyClicks(box, "Petr");
    EXPECT_EQ(box->text(), "Petr") << "typing replaces the selected name";
}

TEST_F(NameDialogTest, FocusByAClickPlacesTheCursorWithoutSelecting)
{
    Open();
    QTest::keyClicks(box, "Karel");
    QTest::keyClick(box, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), ok);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
    ASSERT_EQ(QApplication::focusWidget(), box);
    EXPECT_FALSE(box->hasSelectedText());
}

TEST_F(NameDialogTest, EscapeAndCloseRequestLeaveItOpen)
{
    Open();
    QTest::keyClicks(box, "Ota");
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_TRUE(dialog.isVisible()) << "Escape";
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(dialog.isVisible()) << "close request";
    EXPECT_THAT(started, IsEmpty());
    EXPECT_EQ(box->text(), "Ota");
}

TEST_F(NameDialogTest, ModalRunEndsOnlyWithAnAcceptedName)
{
    std::vector<std::string> steps;
    QTimer::singleShot(0, &dialog, [&] {
        QTest::keyClick(box, Qt::Key_Escape);
        dialog.close();
        QTest::keyClick(box, Qt::Key_Return);
        steps.push_back(dialog.isVisible() ? "still open" : "closed");
        QTest::keyClicks(box, "Marie");
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_THAT(steps, ElementsAre("still open"));
    EXPECT_THAT(sink.messages, ElementsAre(kEmptyNameMessage));
    EXPECT_THAT(started, ElementsAre("Marie"));
}

} // namespace
} // namespace vorlant
