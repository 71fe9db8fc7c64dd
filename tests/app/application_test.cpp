#include "app/czech_translations.h"
#include "app/error_guard.h"
#include "recording_sink.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTranslator>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

namespace vorlant {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(RunReportingErrors, ShowsWhatEscapesAndGoesOn)
{
    const struct
    {
        std::function<void()> work;
        std::vector<std::string> errors;
    } cases[] = {
        {[] {}, {}},
        {[] { throw std::runtime_error("Soubor nelze otevřít"); }, {"Soubor nelze otevřít"}},
        {[] { throw std::out_of_range("index 1001."); }, {"index 1001."}},
        {[] { throw 42; }, {kUnknownErrorText}},
    };
    for (const auto &c : cases) {
        RecordingSink sink;
        int after = 0;
        const bool finished = RunReportingErrors(sink, c.work);
        ++after;
        EXPECT_EQ(finished, c.errors.empty());
        EXPECT_EQ(sink.errors, c.errors);
        EXPECT_THAT(sink.messages, IsEmpty());
        EXPECT_EQ(after, 1);
    }
}

TEST(CzechTranslations, QtSpeaksCzechAndOkStaysOk)
{
    ASSERT_TRUE(InstallCzechTranslations(*qApp));
    QMessageBox box(QMessageBox::NoIcon, "Vorlant", "x", QMessageBox::Ok | QMessageBox::Cancel);
    QStringList texts;
    for (const QAbstractButton *button : box.buttons())
        texts << button->text().remove(u'&');
    texts.sort();
    qDeleteAll(qApp->findChildren<QTranslator *>());
    EXPECT_THAT(texts, ElementsAre("OK", "Zrušit"));
}

} // namespace
} // namespace vorlant
