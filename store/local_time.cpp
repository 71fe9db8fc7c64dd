#include "store/local_time.h"

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

} // namespace vorlant
