#include "results/archive_listing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

namespace vorlant {
namespace {

TEST(SplitResultsFileNameTest, PersonIsAllButTheLast21CharactersAndTimeTheLast20)
{
    const struct
    {
        const char *fileName, *person, *time;
    } cases[] = {{"Novák Jan 2024_03_05 09_07.mem", "Novák Jan", "2024_03_05 09_07.mem"},
                 {" 2024_12_31 23_59.mem", "", "2024_12_31 23_59.mem"},
                 // Shorter than the pattern: no person, the whole name as time.
                 {"x.mem", "", "x.mem"},
                 // Characters, not bytes or UTF-16 units: a character beyond the BMP counts as one.
                 {"😀 2024_03_05 09_07.mem", "😀", "2024_03_05 09_07.mem"},
                 {"😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀.mem", "😀", "😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀.mem"}};
    for (const auto &c : cases) {
        const ArchiveEntry entry = SplitResultsFileName(QString::fromUtf8(c.fileName));
        EXPECT_EQ(entry.person.toStdString(), c.person) << c.fileName;
        EXPECT_EQ(entry.time.toStdString(), c.time) << c.fileName;
        EXPECT_EQ(entry.fileName.toStdString(), c.fileName);
    }
}

TEST(ResultsFileFilterTest, NameMustBeginWithTheFilterAndEndInMem)
{
    const struct
    {
        const char *filter, *fileName;
        bool matches;
    } cases[] = {
        // clang-format off
        {"", "Novák Jan.mem", true}, {"", "x.mem.txt", false}, {"", "x.MEM", false},
        {"Novák", "Nováková Jana.mem", true}, {"Novák", "novák Jan.mem", false},
        {"Novák", "Adam Novák.mem", false},
        // The filter and "*.mem" share the ".mem": "x.mem" as a filter needs a longer name.
        {"x.mem", "x.mem", false}, {"x.mem", "x.mem.mem", true},
        // Wildcards, also across a line break and over characters beyond the BMP.
        {"*Jan", "Novák Jan.mem", true}, {"*Eva", "Novák Jan.mem", false},
        {"N?v", "Novák.mem", true}, {"a*b", "a\nb.mem", true}, {"??a", "😀a.mem", false},
        // Everything else is literal.
        {"[ab]", "[ab] x.mem", true}, {"[ab]", "a x.mem", false}, {"a.b", "axb.mem", false},
        {"(a|b)", "b.mem", false}, {"\\", "\\x.mem", true}};
    // clang-format on
    for (const auto &c : cases) {
        const ResultsFileFilter filter(QString::fromUtf8(c.filter));
        EXPECT_EQ(filter.Matches(QString::fromUtf8(c.fileName)), c.matches)
            << "filter " << c.filter << ", name " << c.fileName;
    }
}

class ListResultsFilesTest : public ::testing::Test
{
protected:
    QString Path(const char *name) const { return root.filePath(QString::fromUtf8(name)); }
    // The listing reads no content: a file of one byte stands for a results file.
    void Touch(const char *name)
    {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write("x", 1), 1);
    }

    QTemporaryDir root;
};

TEST_F(ListResultsFilesTest, ListsOrdinaryVisibleResultsFilesSortedByCharacterCodes)
{
    for (const char *name :
         {"Čermák 2024_03_05 09_07.mem", "adam 2024_03_05 09_07.mem", "Adamec 2024_03_05 09_07.mem",
          "Adam Petr 2024_03_04 10_00.mem", "Ábel 2024_03_05 09_07.mem",
          "Adam 2024_03_05 09_07.mem", ".Hidden 2024_03_04 10_00.mem", "notes.txt", "x.mem"})
        Touch(name);
    ASSERT_TRUE(QDir(root.path()).mkdir("Folder 2024_03_04 10_00.mem"));
    ASSERT_TRUE(QDir(root.path()).mkdir(".Dir 2024_03_04 10_00.mem"));
    ASSERT_EQ(::mkfifo(Path("Pipe.mem").toLocal8Bit().constData(), 0600), 0);
    std::filesystem::create_symlink("Adam Petr 2024_03_04 10_00.mem",
                                    Path("Link 2024_03_04 10_00.mem").toStdString());
    std::filesystem::create_symlink("missing", Path("Broken.mem").toStdString());
    // A save under way: its name is claimed, its file not there yet but in its temporary.
    ASSERT_TRUE(QFile(Path("Empty 2024_03_04 10_00.mem")).open(QIODevice::WriteOnly));
    Touch(".Empty 2024_03_04 10_00.mem.Ab12Cd.tmp");

    std::vector<std::string> persons;
    for (const ArchiveEntry &entry : ListResultsFiles(root.path(), {}))
        persons.push_back(entry.person.toStdString());

    // A prefix before its longer names, diacritics after the plain letters, no person first.
    const std::vector<std::string> expected{"",     "Adam", "Adam Petr", "Adamec",
                                            "Link", "adam", "Ábel",      "Čermák"};
    EXPECT_EQ(persons, expected);
}

// A save claims a copy's name ("(2)") or a long name with a temporary that does not carry
// it: while any save is under way, every empty results file is left out.
TEST_F(ListResultsFilesTest, EmptyFilesAreLeftOutBesideAnyTemporaryOfASave)
{
    for (const char *temporary : {".Eva 2024_03_04 10_00.mem.Ab12Cd.tmp", ".vorlant.Xy34Zw.tmp"}) {
        SCOPED_TRACE(temporary);
        QTemporaryDir folder;
        for (const char *name : {"Eva 2024_03_04 10_00.mem", temporary}) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            ASSERT_EQ(file.write("x", 1), 1);
        }
        ASSERT_TRUE(
            QFile(folder.filePath("Eva (2) 2024_03_04 10_00.mem")).open(QIODevice::WriteOnly));
        const std::vector<ArchiveEntry> entries = ListResultsFiles(folder.path(), {});
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].fileName.toStdString(), "Eva 2024_03_04 10_00.mem");
    }
}

TEST_F(ListResultsFilesTest, AFolderThatCannotBeReadListsNothing)
{
    Touch("file");
    for (const char *folder : {"missing", "file", "file/below"})
        EXPECT_TRUE(ListResultsFiles(Path(folder), {}).empty()) << folder;
}

TEST_F(ListResultsFilesTest, AnEmptyFolderTextListsTheCurrentFolderAsTheStoreReadsIt)
{
    Touch("Here 2024_03_05 09_07.mem");
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(root.path().toStdString());
    const std::vector<ArchiveEntry> entries = ListResultsFiles(QString(), {});
    std::filesystem::current_path(previous);

    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].fileName.toStdString(), "Here 2024_03_05 09_07.mem");
}

} // namespace
} // namespace vorlant
