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

// Lines below the text each stand on a line of their own, filled from their own values.
TEST(UserText, LinesFollowTheTextEachOnALineOfItsOwn)
{
    UserText text("Soubor %1 nelze uložit", {"/data/a.mem"});
    text.AddLine("Na disku není dost místa.").AddLine({"Výsledky byly uloženy do %1.", {"/b"}});
    EXPECT_EQ(text.filled(), "Soubor /data/a.mem nelze uložit\nNa disku není dost místa.\n"
                             "Výsledky byly uloženy do /b.");
    ASSERT_EQ(text.lines().size(), 2u);
    EXPECT_EQ(text.lines()[1].wording(), "Výsledky byly uloženy do %1.");
}

} // namespace
} // namespace vorlant
