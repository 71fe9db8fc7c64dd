#include "store/results_name.h"

#include <cstdio>

namespace vorlant {
namespace {

// " YYYY_MM_DD HH_MM.mem": all ASCII, so its characters are its bytes.
constexpr std::string_view kTailShape = " dddd_dd_dd dd_dd.mem";
constexpr std::size_t kTailCharacters = kTailShape.size();

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Byte index at which the last count UTF-8 characters of text begin; 0 when it has fewer.
std::size_t StartOfLastCharacters(std::string_view text, std::size_t count)
{
    std::size_t index = text.size();
    while (count > 0 && index > 0) {
        --index;
        if ((static_cast<unsigned char>(text[index]) & 0xC0) != 0x80)
            --count;
    }
    return count > 0 ? 0 : index;
}

int Number(std::string_view digits)
{
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

int DaysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

std::optional<LocalTime> ParseTail(std::string_view tail)
{
    if (tail.size() != kTailCharacters)
        return std::nullopt;
    for (std::size_t i = 0; i < tail.size(); ++i) {
        if (kTailShape[i] == 'd' ? !IsDigit(tail[i]) : tail[i] != kTailShape[i])
            return std::nullopt;
    }
    const LocalTime time{Number(tail.substr(1, 4)), Number(tail.substr(6, 2)),
                         Number(tail.substr(9, 2)), Number(tail.substr(12, 2)),
                         Number(tail.substr(15, 2))};
    if (time.month < 1 || time.month > 12 || time.day < 1 ||
        time.day > DaysInMonth(time.year, time.month) || time.hour > 23 || time.minute > 59)
        return std::nullopt;
    return time;
}

} // namespace

ResultsNameParts ParseResultsFileName(std::string_view fileName)
{
    const std::size_t tailStart = StartOfLastCharacters(fileName, kTailCharacters);
    return {std::string(fileName.substr(0, tailStart)), ParseTail(fileName.substr(tailStart))};
}

std::string PersonWithoutCopyNumber(std::string_view person)
{
    if (person.size() < 4 || person.back() != ')')
        return std::string(person);
    std::size_t open = person.size() - 1;
    while (open > 0 && IsDigit(person[open - 1]))
        --open;
    const bool hasDigits = open < person.size() - 1;
    if (!hasDigits || open < 2 || person[open - 1] != '(' || person[open - 2] != ' ')
        return std::string(person);
    return std::string(person.substr(0, open - 2));
}

bool IsSamePerson(std::string_view a, std::string_view b)
{
    return PersonWithoutCopyNumber(a) == PersonWithoutCopyNumber(b);
}

TestLabel LabelOfResultsFile(std::string_view fileName)
{
    const ResultsNameParts parts = ParseResultsFileName(fileName);
    return {PersonWithoutCopyNumber(parts.person), parts.time, std::string(fileName)};
}

std::string IsoLocalTime(const LocalTime &time)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d", time.year, time.month, time.day,
                  time.hour, time.minute);
    return text;
}

} // namespace vorlant
