#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vorlant {

// The results files of a folder as the archive lists them: names ending in ".mem", not hidden,
// regular files (or links to one) that are not empty, since an empty one is a save under way
// that has claimed its name. Each under its person, the name without its last 21 characters
// and without a copy number " (N)".
//
// The names of person's files, oldest first by the time in their names, a copy after the file
// it copies; nothing when the folder cannot be read.
std::vector<std::string> FindPersonFiles(const std::string &folder, std::string_view person);

// How many files each person has in folder.
std::map<std::string, int> CountFilesByPerson(const std::string &folder);

// The person that a name typed for a test stands for in file names and in the archive: as a
// results file name carries it, and without a copy number, which the archive would not count.
std::string PersonOfTypedName(std::string_view typed);

struct RenamedFiles
{
    std::vector<std::string> renamed; // the new names, in the order of the files
    std::vector<std::string> failed;  // the files that could not be renamed, by their old names
};

// Gives each of files, results files of one person in folder, the person newPerson, keeping
// the rest of its name (the date and time of the test): as "<newPerson> <rest>" or, when that
// is taken, "<newPerson> (2) <rest>" and so on, claimed the way a save claims a name, so that
// no file is ever replaced, not even one that another computer saves meanwhile. Files that
// cannot be renamed keep their names; the others are renamed all the same.
RenamedFiles RenamePersonFiles(const std::string &folder, const std::vector<std::string> &files,
                               std::string_view newPerson);

} // namespace vorlant
