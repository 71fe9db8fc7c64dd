#pragma once

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

    friend bool operator==(const LocalTime &, const LocalTime &) = default;
};

// Where the results store takes the time of a save from; tests pass a fixed one.
using LocalClock = std::function<LocalTime()>;

// The system's wall clock in the local time zone.
LocalTime CurrentLocalTime();

} // namespace vorlant
