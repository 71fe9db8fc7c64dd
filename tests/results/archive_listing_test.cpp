#include "results/archive_listing.h"
#include "tests/results/archive_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>

#include <sys/stat.h>

namespace vorlant {

inline void PrintTo(const ArchiveEntry &entry, std::ostream *out)
{
    *out << '{' << entry.person.toStdString() << " | " << entry.time.toStdString() << " | "
         << entry.fileName.toStdString() << '}';
}

namespace {

using archive_test::ArchiveFolderTest;

struct SplitCase
{
    const char *fileName;
    const char *person;
    const char *time;
};

class SplitResultsFileNameTest : public ::testing::TestWithParam<SplitCase>
{};

TEST_P(SplitResultsFileNameTest, PersonIsAllButTheLast21CharactersAndTimeTheLast20)
{
    const SplitCase &c = GetParam();
    const ArchiveEntry entry = SplitResultsFileName(QString::fromUtf8(c.fileName));
    EXPECT_EQ(entry.person, QString::fromUtf8(c.person));
    EXPECT_EQ(entry.time, QString::fromUtf8(c.time));
    EXPECT_EQ(entry.fileName, QString::fromUtf8(c.fileName));
}

INSTANTIATE_TEST_SUITE_P(
    Names, SplitResultsFileNameTest,
    ::testing::Values(
        SplitCase{"Novák Jan 2024_03_05 09_07.mem", "Novák Jan", "2024_03_05 09_07.mem"},
        SplitCase{" 2024_12_31 23_59.mem", "", "2024_12_31 23_59.mem"},
        SplitCase{"Z 2024_12_31 23_59.mem", "Z", "2024_12_31 23_59.mem"},
        // Shorter than the pattern: no person, the whole name as time.
        SplitCase{"x.mem", "", "x.mem"}, SplitCase{"", "", ""},
        SplitCase{"abcdefghijklmnop.mem", "", "abcdefghijklmnop.mem"},
        SplitCase{"0abcdefghijklmnop.mem", "", "abcdefghijklmnop.mem"},
        // Characters, not bytes or UTF-16 units: a character beyond the BMP counts as one.
        SplitCase{"Žluťoučký kůň 2024_03_05 09_07.mem", "Žluťoučký kůň", "2024_03_05 09_07.mem"},
        SplitCase{"😀 2024_03_05 09_07.mem", "😀", "2024_03_05 09_07.mem"},
        SplitCase{"😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀.mem", "", "😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀.mem"},
        SplitCase{"😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀.mem", "😀", "😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀.mem"}));

struct FilterCase
{
    const char *filter;
    const char *fileName;
    bool matches;
};

class ResultsFileFilterTest : public ::testing::TestWithParam<FilterCase>
{};

TEST_P(ResultsFileFilterTest, NameMustBeginWithTheFilterAndEndInMem)
{
    const FilterCase &c = GetParam();
    EXPECT_EQ(ResultsFileFilter(QString::fromUtf8(c.filter)).Matches(QString::fromUtf8(c.fileName)),
              c.matches)
        << "filter " << c.filter << ", name " << c.fileName;
}

INSTANTIATE_TEST_SUITE_P(
    Filters, ResultsFileFilterTest,
    ::testing::Values(
        FilterCase{"", "Novák Jan 2024_03_05 09_07.mem", true}, FilterCase{"", ".mem", true},
        FilterCase{"", "x.mem.txt", false}, FilterCase{"", "x.MEM", false},
        FilterCase{"", "xmem", false}, FilterCase{"Novák", "Novák Jan 2024_03_05 09_07.mem", true},
        FilterCase{"Novák", "Nováková Jana 2024_03_05 09_07.mem", true},
        FilterCase{"Novák", "novák Jan 2024_03_05 09_07.mem", false},
        FilterCase{"Novák", "Adam Novák 2024_03_05 09_07.mem", false},
        FilterCase{"Novák Jan", "Novák Jana 2024_03_05 09_07.mem", true},
        // The filter and "*.mem" share the ".mem": "x.mem" as a filter needs a longer name.
        FilterCase{"x.mem", "x.mem", false}, FilterCase{"x.mem", "x.mem.mem", true},
        // Wildcards.
        FilterCase{"*Jan", "Novák Jan 2024_03_05 09_07.mem", true},
        FilterCase{"*Eva", "Novák Jan 2024_03_05 09_07.mem", false},
        FilterCase{"N?v", "Novák Jan 2024_03_05 09_07.mem", true},
        FilterCase{"N?v", "Nv 2024_03_05 09_07.mem", false},
        FilterCase{"?ovák", "Čovák 2024.mem", true}, FilterCase{"?a", "😀a.mem", true},
        FilterCase{"??a", "😀a.mem", false}, FilterCase{"😀", "😀 x.mem", true},
        FilterCase{"😀?", "😀😀.mem", true}, FilterCase{"*😀", "a😀.mem", true},
        FilterCase{"😀", "😁 x.mem", false}, FilterCase{"*", "x.mem", true},
        FilterCase{"*", "x.txt", false},
        // Everything else is literal.
        FilterCase{"[ab]", "[ab] 2024.mem", true}, FilterCase{"[ab]", "a 2024.mem", false},
        FilterCase{"[", "[x.mem", true}, FilterCase{"a.b", "axb.mem", false},
        FilterCase{"a.b", "a.b.mem", true}, FilterCase{"a+", "aa.mem", false},
        FilterCase{"a+", "a+.mem", true}, FilterCase{"(a|b)", "b.mem", false},
        FilterCase{"(a|b)", "(a|b).mem", true}, FilterCase{"\\", "\\x.mem", true},
        FilterCase{"$^", "$^.mem", true}, FilterCase{"{1}", "{1}.mem", true},
        // A name may hold a line break; wildcards cross it.
        FilterCase{"a*b", "a\nb.mem", true}));

class ListResultsFilesTest : public ArchiveFolderTest
{
protected:
    std::vector<QString> FileNames(const QString &folder, const QString &filter = {})
    {
        std::vector<QString> names;
        for (const ArchiveEntry &entry : ListResultsFiles(folder, filter))
            names.push_back(entry.fileName);
        return names;
    }
};

TEST_F(ListResultsFilesTest, ListsOnlyOrdinaryVisibleResultsFilesSortedByPerson)
{
    WriteResultsFile(Path("Novák Jan 2024_03_05 09_07.mem"));
    WriteResultsFile(Path("Adam Petr 2024_03_04 10_00.mem"));
    WriteResultsFile(Path(".Hidden 2024_03_04 10_00.mem"));
    WriteResultsFile(Path("notes.txt"));
    WriteResultsFile(Path("Empty.mem"), {});
    MakeFolder(Path("Folder 2024_03_04 10_00.mem"));
    ASSERT_EQ(::mkfifo(Path("Pipe.mem").toLocal8Bit().constData(), 0600), 0);
    std::filesystem::create_symlink("Adam Petr 2024_03_04 10_00.mem",
                                    Path("Link 2024_03_04 10_00.mem").toStdString());
    std::filesystem::create_symlink("missing", Path("Broken.mem").toStdString());

    const std::vector<ArchiveEntry> entries = ListResultsFiles(root.path(), {});

    const std::vector<ArchiveEntry> expected{
        {"Adam Petr", "2024_03_04 10_00.mem", "Adam Petr 2024_03_04 10_00.mem"},
        {"", "Empty.mem", "Empty.mem"},
        {"Link", "2024_03_04 10_00.mem", "Link 2024_03_04 10_00.mem"},
        {"Novák Jan", "2024_03_05 09_07.mem", "Novák Jan 2024_03_05 09_07.mem"}};
    // "Empty.mem" has no person, so it sorts first.
    const std::vector<ArchiveEntry> sorted{expected[1], expected[0], expected[2], expected[3]};
    EXPECT_EQ(entries, sorted);
}

TEST_F(ListResultsFilesTest, SortsByCharacterCodesNotByLocale)
{
    for (const char *name :
         {"Čermák 2024_03_05 09_07.mem", "Zeman 2024_03_05 09_07.mem", "adam 2024_03_05 09_07.mem",
          "Adam 2024_03_05 09_07.mem", "Adamec 2024_03_05 09_07.mem", "Ábel 2024_03_05 09_07.mem"})
        WriteResultsFile(Path(QString::fromUtf8(name)));

    std::vector<QString> persons;
    for (const ArchiveEntry &entry : ListResultsFiles(root.path(), {}))
        persons.push_back(entry.person);

    const std::vector<QString> expected{"Adam", "Adamec", "Zeman", "adam", "Ábel", "Čermák"};
    EXPECT_EQ(persons, expected);
}

TEST_F(ListResultsFilesTest, FilesOfOnePersonKeepTheFolderOrder)
{
    for (int minute = 10; minute < 40; ++minute)
        WriteResultsFile(Path(QStringLiteral("Novák Jan 2024_03_05 09_%1.mem").arg(minute)));
    WriteResultsFile(Path("Adam Petr 2024_03_04 10_00.mem"));
    std::vector<QString> folderOrder;
    for (const auto &entry : std::filesystem::directory_iterator(root.path().toStdString()))
        if (entry.path().filename().string().starts_with("Novák"))
            folderOrder.push_back(QString::fromStdString(entry.path().filename().string()));

    std::vector<QString> listed = FileNames(root.path());

    ASSERT_EQ(listed.size(), 31u);
    EXPECT_EQ(listed.front(), "Adam Petr 2024_03_04 10_00.mem");
    listed.erase(listed.begin());
    EXPECT_EQ(listed, folderOrder);
}

TEST_F(ListResultsFilesTest, FilterSelectsByBeginningWithWildcardsAndLiteralBrackets)
{
    for (const char *name : {"Novák Jan 2024_03_05 09_07.mem", "Nováková Jana 2024_03_05 09_07.mem",
                             "Nowak Ewa 2024_03_05 09_07.mem", "[Test] A 2024_03_05 09_07.mem",
                             "T A 2024_03_05 09_07.mem"})
        WriteResultsFile(Path(QString::fromUtf8(name)));

    EXPECT_EQ(FileNames(root.path(), "Novák"),
              (std::vector<QString>{"Novák Jan 2024_03_05 09_07.mem",
                                    "Nováková Jana 2024_03_05 09_07.mem"}));
    EXPECT_EQ(FileNames(root.path(), "No?a"),
              (std::vector<QString>{"Nowak Ewa 2024_03_05 09_07.mem"}));
    EXPECT_EQ(FileNames(root.path(), "*Jan"),
              (std::vector<QString>{"Novák Jan 2024_03_05 09_07.mem",
                                    "Nováková Jana 2024_03_05 09_07.mem"}));
    EXPECT_EQ(FileNames(root.path(), "[Test]"),
              (std::vector<QString>{"[Test] A 2024_03_05 09_07.mem"}));
    EXPECT_TRUE(FileNames(root.path(), "novák").empty());
}

TEST_F(ListResultsFilesTest, AFolderThatCannotBeReadListsNothing)
{
    WriteResultsFile(Path("file"));

    EXPECT_TRUE(FileNames(Path("missing")).empty());
    EXPECT_TRUE(FileNames(Path("file")).empty()); // a regular file where the folder should be
    EXPECT_TRUE(FileNames(Path("file/below")).empty());
}

TEST_F(ListResultsFilesTest, AnEmptyFolderTextListsTheCurrentFolderAsTheStoreReadsIt)
{
    WriteResultsFile(Path("Here 2024_03_05 09_07.mem"));
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(root.path().toStdString());

    const std::vector<QString> names = FileNames(QString());

    std::filesystem::current_path(previous);
    EXPECT_EQ(names, std::vector<QString>{"Here 2024_03_05 09_07.mem"});
}

} // namespace
} // namespace vorlant
