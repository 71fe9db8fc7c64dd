#include "store/person_files.h"

#include "store/file_io.h"
#include "store/results_file.h"
#include "store/results_name.h"

#include <algorithm>
#include <memory>
#include <tuple>

#include <dirent.h>
#include <sys/stat.h>

namespace vorlant {
namespace {

constexpr std::string_view kSuffix = ".mem";

struct DirectoryCloser
{
    void operator()(DIR *directory) const { ::closedir(directory); }
};

// A regular file, or a link to one, that holds something.
bool IsFileWithContent(DIR *directory, const dirent &entry)
{
    if (entry.d_type != DT_REG && entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK)
        return false;
    struct stat status;
    return ::fstatat(::dirfd(directory), entry.d_name, &status, 0) == 0 &&
           S_ISREG(status.st_mode) && status.st_size > 0;
}

// Calls visit(file name, person) for each results file of folder.
template <class Visit> void ForEachResultsFile(const std::string &folder, Visit visit)
{
    const std::unique_ptr<DIR, DirectoryCloser> directory(
        ::opendir(folder.empty() ? "." : folder.c_str()));
    if (!directory)
        return;
    while (const dirent *entry = ::readdir(directory.get())) {
        const std::string_view name = entry->d_name;
        // The type test last: it costs a stat, the name tests never do.
        if (name.starts_with('.') || !name.ends_with(kSuffix) ||
            !IsFileWithContent(directory.get(), *entry))
            continue;
        visit(name, PersonWithoutCopyNumber(ParseResultsFileName(name).person));
    }
}

// What orders a person's files: the rest of the name after the person, "YYYY_MM_DD HH_MM.mem",
// sorts as its text; then the copy number, as a number of any length.
struct FileOrder
{
    std::string rest;
    std::size_t copyDigits = 0;
    std::string copy;
    std::string name;

    explicit FileOrder(std::string_view fileName) : name(fileName)
    {
        const std::string person = ParseResultsFileName(fileName).person;
        rest = name.substr(person.size());
        const std::size_t base = PersonWithoutCopyNumber(person).size();
        if (base < person.size()) // " (N)": the digits lie between "(" and ")"
            copy = person.substr(base + 2, person.size() - base - 3);
        copy.erase(0, std::min(copy.find_first_not_of('0'), copy.size()));
        copyDigits = copy.size();
    }
    friend bool operator<(const FileOrder &a, const FileOrder &b)
    {
        return std::tie(a.rest, a.copyDigits, a.copy, a.name) <
               std::tie(b.rest, b.copyDigits, b.copy, b.name);
    }
};

} // namespace

std::vector<std::string> FindPersonFiles(const std::string &folder, std::string_view person)
{
    std::vector<FileOrder> found;
    ForEachResultsFile(folder, [&](std::string_view name, const std::string &owner) {
        if (owner == person)
            found.emplace_back(name);
    });
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    names.reserve(found.size());
    for (FileOrder &file : found)
        names.push_back(std::move(file.name));
    return names;
}

std::map<std::string, int> CountFilesByPerson(const std::string &folder)
{
    std::map<std::string, int> counts;
    ForEachResultsFile(folder,
                       [&](std::string_view, const std::string &person) { ++counts[person]; });
    return counts;
}

std::string PersonOfTypedName(std::string_view typed)
{
    return PersonWithoutCopyNumber(PersonInFileName(typed));
}

RenamedFiles RenamePersonFiles(const std::string &folder, const std::vector<std::string> &files,
                               std::string_view newPerson)
{
    RenamedFiles outcome;
    for (const std::string &file : files) {
        const std::string person = ParseResultsFileName(file).person;
        if (PersonWithoutCopyNumber(person) == newPerson) { // already the new person's
            outcome.renamed.push_back(file);
            continue;
        }
        const std::string rest = file.substr(person.size());
        const CandidateName name = [&](int copy) {
            return copy == 1 ? std::string(newPerson) + rest
                             : std::string(newPerson) + " (" + std::to_string(copy) + ')' + rest;
        };
        // Renaming without replacing moves the file in one step; where the file system cannot,
        // an empty file claims the name and the file then takes its place.
        if (const std::optional<std::string> renamed =
                ClaimNewName(folder, JoinPath(folder, file), name, ClaimMethod::RenameNoReplace))
            outcome.renamed.push_back(renamed->substr(JoinPath(folder, "").size()));
        else
            outcome.failed.push_back(file);
    }
    return outcome;
}

} // namespace vorlant
