#pragma once

#include <QRegularExpression>
#include <QString>

#include <vector>

namespace vorlant {

// One results file as the archive list shows it.
struct ArchiveEntry
{
    QString person;   // the name without its last 21 characters
    QString time;     // the last 20 characters: "YYYY_MM_DD HH_MM.mem"
    QString fileName; // without folder

    friend bool operator==(const ArchiveEntry &, const ArchiveEntry &) = default;
};

// Splits a results file name into person and time by the fixed 21-character tail of the name
// pattern, counting Unicode characters. A name too short for the pattern has no person and
// is all time.
ArchiveEntry SplitResultsFileName(const QString &fileName);

// Whether fileName begins with filter and ends in ".mem"; "*" in filter stands for any run of
// characters and "?" for any one character, everything else is literal and case-sensitive.
class ResultsFileFilter
{
public:
    explicit ResultsFileFilter(const QString &filter);

    bool Matches(const QString &fileName) const;

private:
    QString literalPrefix_; // the filter up to its first wildcard, checked before the pattern
    bool hasWildcards_;
    QRegularExpression pattern_;
};

// The results files of folder (ordinary, not hidden) that the filter lets through, sorted by
// person comparing character codes; the files of one person in time order, oldest first. An
// empty file is left out while a save is under way in the folder (its temporary file lies
// there): it is that save's claim on its name. Otherwise sizes are not read; whoever reads the
// files skips an empty one. An empty folder text means the current folder, as the results store
// reads it. A folder that cannot be read lists nothing.
std::vector<ArchiveEntry> ListResultsFiles(const QString &folder, const QString &filter);

} // namespace vorlant
