#pragma once

#include <compare>
#include <functional>

namespace vorlant {

// A local date and time of day to the minute, as results file names carry it.
struct LocalTime
{
    int year = 1970;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31
    int hour = 0;  // 0 to 23
    int minute = 0;

    // In the order of time, as the fields stand from the year down.
    friend auto operator<=>(const LocalTime &, const LocalTime &) = default;
};

// Calendar days from the date of from to the date of to (negative when to comes first).
int DaysBetween(const LocalTime &from, const LocalTime &to);

// Where the results store takes the time of a save from; tests pass a fixed one.
using LocalClock = std::function<LocalTime()>;

// The system's wall clock in the local time zone.
LocalTime CurrentLocalTime();

} // namespace vorlant
