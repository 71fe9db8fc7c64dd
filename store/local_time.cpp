#include "store/local_time.h"

#include <chrono>
#include <ctime>

namespace vorlant {

LocalTime CurrentLocalTime()
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    // Without a usable time zone, UTC still gives a four-digit year the file name relies on.
    if (localtime_r(&now, &parts) == nullptr)
        gmtime_r(&now, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min};
}

namespace {

std::chrono::sys_days DayOf(const LocalTime &time)
{
    return std::chrono::year(time.year) / std::chrono::month(static_cast<unsigned>(time.month)) /
           std::chrono::day(static_cast<unsigned>(time.day));
}

} // namespace

int DaysBetween(const LocalTime &from, const LocalTime &to)
{
    return static_cast<int>((DayOf(to) - DayOf(from)).count());
}

} // namespace vorlant
