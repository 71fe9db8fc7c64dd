#pragma once

#include "store/local_time.h"

#include <optional>
#include <string>
#include <string_view>

namespace vorlant {

// The most characters a person's name may have where the user types one.
inline constexpr int kMostNameCharacters = 20;

// What a results file name "<person> YYYY_MM_DD HH_MM.mem" tells, read the way the archive
// list splits it: the person is the name without its last 21 characters (UTF-8 characters,
// not bytes), and the time is there only when those characters are a real date and time.
struct ResultsNameParts
{
    std::string person;
    std::optional<LocalTime> time;
};

ResultsNameParts ParseResultsFileName(std::string_view fileName);

// A second save of one person within one minute is named "<person> (2) …"; this is the
// person such a name belongs to: person without one trailing " (N)", N being digits.
std::string PersonWithoutCopyNumber(std::string_view person);

// Whether two person texts of the archive list name the same person.
bool IsSamePerson(std::string_view a, std::string_view b);

// The test a log comes from, as an export names it; each part is empty when not known.
struct TestLabel
{
    std::string person; // without a copy number
    std::optional<LocalTime> time;
    std::string fileName; // the results file, without folder
};

// The label that a results file name gives (fileName empty: an empty label).
TestLabel LabelOfResultsFile(std::string_view fileName);

// "YYYY-MM-DDTHH:MM", ISO 8601 local time to the minute.
std::string IsoLocalTime(const LocalTime &time);

} // namespace vorlant
