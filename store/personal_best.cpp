#include "store/personal_best.h"

#include "store/file_io.h"
#include "store/results_name.h"

#include <filesystem>
#include <optional>
#include <system_error>

namespace vorlant {
namespace {

constexpr std::string_view kResultsExtension = ".mem";

// The longest correct sequence of the best other test of person in folder; nothing when there
// is no other test with attempts.
std::optional<int> BestOtherLongest(const std::string &folder, std::string_view person,
                                    std::string_view savedFileName)
{
    std::optional<int> best;
    std::error_code error;
    for (std::filesystem::directory_iterator entries(folder, error), end; !error && entries != end;
         entries.increment(error)) {
        const std::string name = entries->path().filename().string();
        if (name == savedFileName || name.starts_with('.') || !name.ends_with(kResultsExtension))
            continue;
        const ResultsNameParts parts = ParseResultsFileName(name);
        if (!parts.time || !IsSamePerson(parts.person, person))
            continue;
        std::error_code unreadable; // such a file is passed over: it cannot be beaten
        const std::optional<LogRecords> log = ReadResultsFile(JoinPath(folder, name), unreadable);
        if (!log)
            continue;
        const TestSummary summary = SummariseLog(*log);
        if (summary.attempts > 0 && (!best || summary.longestSuccess > *best))
            best = summary.longestSuccess;
    }
    return best;
}

} // namespace

bool IsPersonalBest(const TestSummary &test, const std::string &folder, std::string_view person,
                    std::string_view savedFileName)
{
    const std::optional<int> best = BestOtherLongest(folder, person, savedFileName);
    return best && test.longestSuccess > *best;
}

} // namespace vorlant
