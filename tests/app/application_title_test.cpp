#include "app/application_title.h"

#include <QString>

#include <gtest/gtest.h>

namespace vorlant {
namespace {

TEST(ApplicationTitle, FileNameWithoutExtensionCapitalisedOnce)
{
    const struct
    {
        const char *path;
        const char *title;
    } cases[] = {
        {"/usr/local/bin/vorlant", "Vorlant"},
        {"C:/Program Files/Vorlant/VORLANT.EXE", "Vorlant"},
        {"/opt/x/memTest.v2.bin", "Memtest.v2"},
        {"/home/eva/čeština", "Čeština"},
        {"/bin/a", "A"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(TitleFromExecutablePath(QString::fromUtf8(c.path)), QString::fromUtf8(c.title))
            << c.path;
}

TEST(ApplicationTitle, ComesFromThisProgramsExecutable)
{
    EXPECT_EQ(ApplicationTitle(), "App_tests");
}

} // namespace
} // namespace vorlant
