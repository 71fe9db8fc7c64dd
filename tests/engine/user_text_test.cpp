#include "engine/user_text.h"

#include <gtest/gtest.h>

namespace vorlant {
namespace {

TEST(UserText, ValuesFillTheirMarkersAndNeverBecomeWording)
{
    const struct
    {
        const char *wording;
        std::vector<std::string> values;
        const char *filled;
    } cases[] = {
        {"Soubor %1 nelze uložit",
         {"/data/Eva 2024_03_05 09_07.mem"},
         "Soubor /data/Eva 2024_03_05 09_07.mem nelze uložit"},
        {"%2 then %1", {"one", "two"}, "two then one"},
        // A value's own marker stays: a folder may well be called "%2".
        {"Soubor %1 nelze uložit: %2",
         {"/tmp/%2", "No space"},
         "Soubor /tmp/%2 nelze uložit: No space"},
        {"Úspěšnost % a %3", {"x"}, "Úspěšnost % a %3"},
        {"50 %", {}, "50 %"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(UserText(c.wording, c.values).filled(), c.filled) << c.wording;
}

} // namespace
} // namespace vorlant
