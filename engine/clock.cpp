#include "engine/clock.h"

#include <chrono>

namespace vorlant {

std::int64_t SteadyClockMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

} // namespace vorlant
