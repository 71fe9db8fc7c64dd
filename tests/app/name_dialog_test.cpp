#include "app/name_dialog.h"

#include "tests/app/gui_test_helpers.h"
#include "tests/support/recording_sink.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace vorlant {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kEmptyName[] = "Nelze zadat prázdné jméno";

class NameDialogTest : public ::testing::Test
{
protected:
    void Open()
    {
        dialog.show();
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    testing::RecordingSink sink;
    std::vector<QString> started;
    NameDialog dialog{sink, [this](const QString &name) { started.push_back(name); }};
    QLineEdit *box = Find<QLineEdit>(dialog, "_jmeno");
    QPushButton *ok = Find<QPushButton>(dialog, "Button1");
};

TEST_F(NameDialogTest, BoxTakesNoTwentyFirstCharacterAndOffersTheNameSelectedNextTime)
{
    Open();
    QApplication::clipboard()->setText("Žluťoučký kůň");
    QTest::keyClicks(box, "Jana Novakova-Dvorakova");
    QTest::keySequence(box, QKeySequence::Paste);
    EXPECT_EQ(box->text(), "Jana Novakova-Dvorak") << "typed, then pasted into a full box";
    QTest::keyClick(box, Qt::Key_Return);

    Open();
    EXPECT_EQ(box->selectedText(), "Jana Novakova-Dvorak");
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_THAT(started, ElementsAre("Jana Novakova-Dvorak", "Jana Novakova-Dvorak"));
}

TEST_F(NameDialogTest, ModalRunRefusesAnEmptyBoxEscapeAndCloseAndEndsWithSpacesAsAName)
{
    std::vector<bool> openAfter;
    QTimer::singleShot(0, &dialog, [&] {
        QTest::mouseClick(ok, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
        QTest::keyClick(box, Qt::Key_Escape);
        openAfter.push_back(dialog.isVisible());
        openAfter.push_back(!dialog.close() && dialog.isVisible());
        EXPECT_THAT(started, IsEmpty());
        QTest::keyClicks(box, "   ");
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_THAT(sink.messages, ElementsAre(kEmptyName, kEmptyName, kEmptyName)) << "Ok, Enter x2";
    EXPECT_THAT(openAfter, ElementsAre(true, true)) << "after Escape, after a close request";
    EXPECT_THAT(started, ElementsAre("   "));
}

} // namespace
} // namespace vorlant
