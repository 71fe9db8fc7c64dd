#include "store/results_store.h"
#include "tests/store/store_test_support.h"
#include "tests/support/recording_sink.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vorlant {
namespace {

namespace fs = std::filesystem;

// The root folder plays the program folder, which still ends with its separator at start-up.
class SettingsTest : public test::TemporaryFolderTest
{
protected:
    std::string ReadFolder()
    {
        store.ReadSettings();
        EXPECT_EQ(store.DataDirectory(), store.ArchiveFolder());
        return store.ArchiveFolder();
    }
    bool WriteFolder(const std::string &folder)
    {
        store.SetArchiveFolder(folder);
        return store.WriteSettings();
    }

    testing::RecordingSink sink;
    ResultsStore store{sink, {}, root.string() + "/"};
    fs::path ini = root / "Vorlant.ini";
};

TEST_F(SettingsTest, ReadsTheFirstValueOfTheSectionUpTo2047CharactersOrDataBesideTheProgram)
{
    const std::string fallback = root.string() + "/data", x2046(2046, 'x');
    EXPECT_EQ(ReadFolder(), fallback);
    EXPECT_FALSE(fs::exists(ini)) << "reading never creates the settings file";
    store.CreateDataDirectory();
    EXPECT_TRUE(fs::is_directory(root / "data")) << "start-up creates the fallback";
    store.SetDataDirectory((root / "a" / "b").string());
    store.CreateDataDirectory();
    EXPECT_FALSE(fs::exists(root / "a")) << "one level only";

    const std::pair<std::string, std::string> cases[] = {
        {"", fallback}, // an empty file, then files without the section or the key
        {"[Form5\nDE=/x\n[Other]\nDE=/x\n[Form5]\nDF=/x\n; DE=/x\n", fallback},
        {"  [ FORM5 ]  \n  De  =  /padded path \t\n", "/padded path"},
        {"\xEF\xBB\xBF[Form5]\r\nDE=/výsledky\r\n", "/výsledky"},
        {"[Form5]\nDE=\nDE=/second\n", ""},
        {"[Form5]\nDE=" + std::string(3000, 'x') + "\n", std::string(2047, 'x')},
        // Counted in characters: a two-byte "é" is never cut in half.
        {"[Form5]\nDE=" + x2046 + "éé", x2046 + "é"}};
    for (const auto &[content, expected] : cases) {
        WriteBytes(ini, content);
        EXPECT_EQ(ReadFolder(), expected) << content.substr(0, 80);
    }
    EXPECT_TRUE(sink.messages.empty() && sink.errors.empty());
}

TEST_F(SettingsTest, WritingReplacesOrAddsTheKeyAndKeepsEveryOtherLine)
{
    const std::pair<const char *, const char *> cases[] = {
        {nullptr, "[Form5]\nDE=/new\n"},
        {"; settings\n[Other]\nDE=/other", "; settings\n[Other]\nDE=/other\n[Form5]\nDE=/new\n"},
        {"; top\n[A]\nx = 1 \n\n[form5]\n# note\nde = /old ; not a comment\nY=2\n\n[B]\nz=3\n",
         "; top\n[A]\nx = 1 \n\n[form5]\n# note\nDE=/new\nY=2\n\n[B]\nz=3\n"},
        {"[A]\r\nx=1\r\n", "[A]\r\nx=1\r\n[Form5]\r\nDE=/new\r\n"}};
    for (const auto &[before, after] : cases) {
        fs::remove(ini);
        if (before)
            WriteBytes(ini, before);
        ASSERT_TRUE(WriteFolder("/new"));
        EXPECT_EQ(ReadBytes(ini), after);
    }
    ASSERT_TRUE(WriteFolder("#C:\\Users\\jan, old; new\\Výsledky testů"));
    EXPECT_EQ(ReadFolder(), "#C:\\Users\\jan, old; new\\Výsledky testů");
}

TEST_F(SettingsTest, FailedWriteReportsThePathAndKeepsTheOldFile)
{
    const std::string before = "; a comment long enough to pass the limit\n[Form5]\nDE=/old\n";
    WriteBytes(ini, before);
    EXPECT_FALSE(WriteFolder("/a\n[Form5]\nDE=/injected")) << "cannot be one line";
    EXPECT_FALSE(test::WithFileSizeLimit(16, [&] { return WriteFolder("/new"); }));
    EXPECT_EQ(ReadBytes(ini), before);

    fs::remove(ini);
    fs::create_directory(ini);
    EXPECT_FALSE(WriteFolder("/new"));
    EXPECT_EQ(Entries(root), std::set<std::string>{"Vorlant.ini"}) << "no temporary file left";

    WriteBytes(root / "plain-file", "x");
    ResultsStore elsewhere(sink, {}, (root / "plain-file/").string());
    EXPECT_FALSE(elsewhere.WriteSettings());
    const std::string failure = "Unable to write to " + ini.string() + ".";
    EXPECT_EQ(sink.errors,
              (std::vector{failure,
                           failure + "\nChyba systému: " +
                               std::make_error_code(std::errc::file_too_large).message() + ".",
                           failure + "\nNa tom místě je složka.",
                           "Unable to write to " + root.string() +
                               "/plain-file/Vorlant.ini.\nČást cesty není složka."}));
}

} // namespace
} // namespace vorlant
