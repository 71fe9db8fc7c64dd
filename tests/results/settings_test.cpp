#include "results/results_store.h"
#include "results/settings_file.h"
#include "store_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vorlant {
namespace {

namespace fs = std::filesystem;

class SettingsTest : public test::TemporaryFolderTest
{
protected:
    void SetUp() override
    {
        TemporaryFolderTest::SetUp();
        program = root / "bin";
        fs::create_directory(program);
        ini = program / "Vorlant.ini";
    }

    // The store as start-up makes it: the program folder still ends with its separator.
    ResultsStore MakeStore(const std::string &folder)
    {
        return ResultsStore(
            sink, [] { return LocalTime{}; }, folder);
    }
    std::string ReadFolder()
    {
        ResultsStore store = MakeStore(program.string() + "/");
        store.ReadSettings();
        EXPECT_EQ(store.DataDirectory(), store.ArchiveFolder());
        return store.ArchiveFolder();
    }
    bool WriteFolder(const std::string &folder, const fs::path &programFolder)
    {
        ResultsStore store = MakeStore(programFolder.string() + "/");
        store.SetArchiveFolder(folder);
        return store.WriteSettings();
    }
    bool WriteFolder(const std::string &folder) { return WriteFolder(folder, program); }

    test::RecordingSink sink;
    fs::path program;
    fs::path ini;
};

TEST_F(SettingsTest, MissingFileSectionOrKeyGivesDataBesideTheProgram)
{
    const std::string fallback = program.string() + "/data";
    EXPECT_EQ(ReadFolder(), fallback);
    EXPECT_FALSE(fs::exists(ini)) << "reading never creates the settings file";

    for (const std::string content : {"", "[Other]\nDE=/x\n", "[Form5]\nDF=/x\n; DE=/x\n",
                                      "DE=/x\n[Form5]\n", "[Form5\nDE=/x\n"}) {
        WriteBytes(ini, content);
        EXPECT_EQ(ReadFolder(), fallback) << content;
    }
    fs::remove(ini);
    fs::create_directory(ini);
    EXPECT_EQ(ReadFolder(), fallback) << "a folder named like the settings file";
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_TRUE(sink.errors.empty());
}

TEST_F(SettingsTest, ProgramFolderWithoutSeparatorNamesTheSameFiles)
{
    WriteBytes(ini, "[Form5]\nDE=/stored\n");
    for (const std::string &folder : {program.string(), program.string() + "/"}) {
        ResultsStore store = MakeStore(folder);
        EXPECT_EQ(store.SettingsPath(), ini.string());
        store.ReadSettings();
        EXPECT_EQ(store.ArchiveFolder(), "/stored");
    }
    fs::remove(ini);
    ResultsStore store = MakeStore(program.string());
    store.ReadSettings();
    EXPECT_EQ(store.DataDirectory(), program.string() + "/data");
}

struct ReadCase
{
    const char *content;
    const char *expected;
};

TEST_F(SettingsTest, ReadsTheValueAsTheLineHoldsIt)
{
    const ReadCase cases[] = {
        {"[Form5]\nDE=/home/jan/výsledky\n", "/home/jan/výsledky"},
        {"[form5]\nde=/lower\n", "/lower"},
        {"  [ FORM5 ]  \n  De  =  /padded path \t\n", "/padded path"},
        {"[Form5]\r\nDE=/crlf\r\n", "/crlf"},
        {"\xEF\xBB\xBF[Form5]\nDE=/after-bom", "/after-bom"},
        {"[Form5]\nDE=a,b;c\\d\\\\e\n", "a,b;c\\d\\\\e"},
        {"[Form5]\nDE=x=y\n", "x=y"},
        {"[Form5]\nDE=\n", ""},
        {"[Form5]\nDE=/first\nDE=/second\n", "/first"},
        {"[A]\nDE=/a\n[Form5]\n; DE=/comment\n# DE=/hash\nX=1\n\nDE=/real\n[B]\nDE=/b\n", "/real"},
        {"[Form5]\nX=1\n[Form5]\nDE=/second-section\n", "/second-section"},
    };
    for (const ReadCase &c : cases) {
        WriteBytes(ini, c.content);
        EXPECT_EQ(ReadFolder(), c.expected) << c.content;
    }
}

TEST_F(SettingsTest, TakesAtMost2047CharactersOfAValue)
{
    WriteBytes(ini, "[Form5]\nDE=" + std::string(3000, 'x') + "\n");
    EXPECT_EQ(ReadFolder(), std::string(2047, 'x'));

    // Counted in characters: each "é" is two bytes and is never cut in half.
    std::string accented;
    for (int i = 0; i < 3000; ++i)
        accented += "é";
    WriteBytes(ini, "[Form5]\nDE=" + accented + "\n");
    EXPECT_EQ(ReadFolder(), accented.substr(0, 2 * 2047));
}

struct WriteCase
{
    const char *before;
    const char *after;
};

TEST_F(SettingsTest, WritingReplacesOrAddsTheKeyAndKeepsEveryOtherLine)
{
    const WriteCase cases[] = {
        {nullptr, "[Form5]\nDE=/new\n"},
        {"", "[Form5]\nDE=/new\n"},
        {"; settings\n[Other]\nDE=/other\n", "; settings\n[Other]\nDE=/other\n[Form5]\nDE=/new\n"},
        {"[Other]\nk=v", "[Other]\nk=v\n[Form5]\nDE=/new\n"},
        {"[Form5]\nDE=/old\n", "[Form5]\nDE=/new\n"},
        {"; top\n[A]\nx = 1 \n\n[form5]\n# note\nde = /old ; not a comment\nY=2\n\n[B]\nz=3\n",
         "; top\n[A]\nx = 1 \n\n[form5]\n# note\nDE=/new\nY=2\n\n[B]\nz=3\n"},
        {"[Form5]\nY=2\n\n[B]\nz=3\n", "[Form5]\nY=2\nDE=/new\n\n[B]\nz=3\n"},
        {"[Form5]", "[Form5]\nDE=/new\n"},
        {"[A]\r\nx=1\r\n[Form5]\r\nDE=/old\r\n", "[A]\r\nx=1\r\n[Form5]\r\nDE=/new\r\n"},
        {"[A]\r\nx=1\r\n", "[A]\r\nx=1\r\n[Form5]\r\nDE=/new\r\n"},
        {"\xEF\xBB\xBF[Form5]\nX=1\n", "\xEF\xBB\xBF[Form5]\nX=1\nDE=/new\n"},
    };
    for (const WriteCase &c : cases) {
        SCOPED_TRACE(c.before ? c.before : "(no file)");
        fs::remove(ini);
        if (c.before)
            WriteBytes(ini, c.before);
        ASSERT_TRUE(WriteFolder("/new"));
        EXPECT_EQ(ReadBytes(ini), c.after);
        EXPECT_EQ(ReadFolder(), "/new");
    }
    EXPECT_TRUE(sink.errors.empty());
}

TEST_F(SettingsTest, ValuesWithPunctuationAndNonAsciiRoundTrip)
{
    for (const std::string folder :
         {"/data, old; new", "C:\\Users\\jan\\data", "/home/jan/Výsledky testů", "/x=y", "#1"}) {
        ASSERT_TRUE(WriteFolder(folder)) << folder;
        EXPECT_EQ(ReadFolder(), folder);
    }
}

TEST_F(SettingsTest, UnwritableSettingsReportTheErrorAndKeepTheFile)
{
    const fs::path plainFile = root / "plain-file";
    WriteBytes(plainFile, "x");
    EXPECT_FALSE(WriteFolder("/new", plainFile));
    EXPECT_EQ(sink.errors, std::vector<std::string>{"Unable to write to " + plainFile.string() +
                                                    "/Vorlant.ini."});

    sink.errors.clear();
    fs::create_directory(ini);
    EXPECT_FALSE(WriteFolder("/new"));
    EXPECT_EQ(sink.errors, std::vector<std::string>{"Unable to write to " + ini.string() + "."});
    EXPECT_TRUE(fs::is_directory(ini));
    EXPECT_EQ(Entries(program), std::set<std::string>{"Vorlant.ini"}) << "no temporary file left";
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(SettingsTest, ValueThatCannotBeOneLineIsNotWritten)
{
    const std::string before = "[Form5]\nDE=/old\n";
    WriteBytes(ini, before);
    EXPECT_FALSE(WriteFolder("/a\n[Form5]\nDE=/injected"));
    EXPECT_EQ(sink.errors, std::vector<std::string>{"Unable to write to " + ini.string() + "."});
    EXPECT_EQ(ReadBytes(ini), before);
}

TEST_F(SettingsTest, WriteCutShortLeavesTheOldFile)
{
    const std::string before = "; a comment long enough to pass the limit\n[Form5]\nDE=/old\n";
    WriteBytes(ini, before);
    bool written = true;
    {
        test::FileSizeLimit limit(16);
        written = WriteFolder("/new");
    }

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(ini), before);
    EXPECT_EQ(Entries(program), std::set<std::string>{"Vorlant.ini"});
}

TEST_F(SettingsTest, StartUpCreatesTheDataFolderOneLevelOnly)
{
    ResultsStore store = MakeStore(program.string() + "/");
    store.ReadSettings();
    store.CreateDataDirectory();
    EXPECT_TRUE(fs::is_directory(program / "data"));
    store.CreateDataDirectory(); // already there: silently nothing

    store.SetDataDirectory((root / "a" / "b").string());
    store.CreateDataDirectory();
    EXPECT_FALSE(fs::exists(root / "a"));
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_TRUE(sink.errors.empty());
}

} // namespace
} // namespace vorlant
