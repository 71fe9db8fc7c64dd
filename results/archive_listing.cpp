#include "results/archive_listing.h"

#include "store/file_io.h"

#include <QFile>

#include <algorithm>
#include <memory>
#include <set>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace vorlant {
namespace {

// Everything after the person in a results file name: " YYYY_MM_DD HH_MM.mem".
constexpr int kNameTailCharacters = 21;
const QString kSuffix = QStringLiteral(".mem");

// Index of the first UTF-16 unit of the last count characters of text; 0 when it has fewer.
qsizetype StartOfLastCharacters(const QString &text, int count)
{
    qsizetype index = text.size();
    for (; count > 0 && index > 0; --count) {
        --index;
        if (index > 0 && text.at(index).isLowSurrogate() && text.at(index - 1).isHighSurrogate())
            --index;
    }
    return count > 0 ? 0 : index;
}

bool IsWildcard(QChar c)
{
    return c == u'*' || c == u'?';
}

// The filter as a regular expression in which only "*" and "?" are wildcards. Literal runs
// are escaped whole, so a character beyond the BMP keeps its two halves together.
QString WildcardExpression(const QString &filter)
{
    QString expression;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= filter.size(); ++i) {
        if (i < filter.size() && !IsWildcard(filter.at(i)))
            continue;
        expression += QRegularExpression::escape(filter.mid(runStart, i - runStart));
        if (i < filter.size())
            expression += filter.at(i) == u'*' ? QStringLiteral(".*") : QStringLiteral(".");
        runStart = i + 1;
    }
    return expression + QStringLiteral(".*") + QRegularExpression::escape(kSuffix);
}

QString LiteralPrefix(const QString &filter)
{
    return filter.left(std::find_if(filter.begin(), filter.end(), IsWildcard) - filter.begin());
}

struct DirectoryCloser
{
    void operator()(DIR *directory) const { ::closedir(directory); }
};

// Whether the entry may be a results file: a regular file, or a link to one that holds
// something. The size of a regular file is left to the reading, which skips an empty one: a stat
// for every file doubled the listing of a large folder.
bool MayBeResultsFile(DIR *directory, const dirent &entry)
{
    if (entry.d_type == DT_REG)
        return true;
    if (entry.d_type != DT_UNKNOWN && entry.d_type != DT_LNK)
        return false;
    struct stat status;
    return ::fstatat(::dirfd(directory), entry.d_name, &status, 0) == 0 &&
           S_ISREG(status.st_mode) && status.st_size > 0;
}

// A save that claims its name with an empty file writes its temporary file beside it first and
// renames that over the empty file last: only while such a temporary lies in the folder can a
// results file there be a claim still empty.
bool IsTemporaryOfASave(const char *name)
{
    return NameCarriedByTemporary(name).has_value();
}

// Leaves out of entries the regular files of the folder that are empty.
void LeaveOutEmptyFiles(DIR *directory, std::vector<ArchiveEntry> &entries)
{
    std::set<QString> empty;
    ::rewinddir(directory);
    while (const dirent *entry = ::readdir(directory)) {
        struct stat status;
        if (entry->d_name[0] != '.' && entry->d_type == DT_REG &&
            ::fstatat(::dirfd(directory), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_size == 0)
            empty.insert(QFile::decodeName(entry->d_name));
    }
    std::erase_if(entries, [&](const ArchiveEntry &e) { return empty.count(e.fileName) > 0; });
}

} // namespace

ArchiveEntry SplitResultsFileName(const QString &fileName)
{
    const qsizetype personEnd = StartOfLastCharacters(fileName, kNameTailCharacters);
    const qsizetype timeStart = StartOfLastCharacters(fileName, kNameTailCharacters - 1);
    return {fileName.left(personEnd), fileName.mid(timeStart), fileName};
}

ResultsFileFilter::ResultsFileFilter(const QString &filter)
    : literalPrefix_(LiteralPrefix(filter)), hasWildcards_(literalPrefix_.size() < filter.size()),
      pattern_(QRegularExpression::anchoredPattern(WildcardExpression(filter)),
               QRegularExpression::DotMatchesEverythingOption)
{
    pattern_.optimize();
}

bool ResultsFileFilter::Matches(const QString &fileName) const
{
    if (!fileName.startsWith(literalPrefix_))
        return false;
    if (!hasWildcards_) // the filter and ".mem" may not overlap
        return fileName.size() >= literalPrefix_.size() + kSuffix.size() &&
               fileName.endsWith(kSuffix);
    return pattern_.match(fileName).hasMatch();
}

std::vector<ArchiveEntry> ListResultsFiles(const QString &folder, const QString &filter)
{
    const ResultsFileFilter accepts(filter);
    std::vector<ArchiveEntry> entries;
    const QByteArray path = QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder);
    const std::unique_ptr<DIR, DirectoryCloser> directory(::opendir(path.constData()));
    if (!directory)
        return entries;
    bool saveUnderWay = false;
    while (const dirent *entry = ::readdir(directory.get())) {
        if (entry->d_name[0] == '.') {
            saveUnderWay = saveUnderWay || IsTemporaryOfASave(entry->d_name);
            continue;
        }
        const QString name = QFile::decodeName(entry->d_name);
        // The type test last: it may cost a stat, the name test never does.
        if (!accepts.Matches(name) || !MayBeResultsFile(directory.get(), *entry))
            continue;
        entries.push_back(SplitResultsFileName(name));
    }
    if (saveUnderWay)
        LeaveOutEmptyFiles(directory.get(), entries);
    // The time "YYYY_MM_DD HH_MM.mem" sorts as its text: a person's tests come oldest first.
    // One comparison a field: most neighbours share their person, whom a tuple's "<" would
    // compare twice.
    std::sort(entries.begin(), entries.end(), [](const ArchiveEntry &a, const ArchiveEntry &b) {
        if (const int person = a.person.compare(b.person); person != 0)
            return person < 0;
        if (const int time = a.time.compare(b.time); time != 0)
            return time < 0;
        return a.fileName < b.fileName;
    });
    return entries;
}

} // namespace vorlant
