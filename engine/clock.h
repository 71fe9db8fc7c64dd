#pragma once

#include <cstdint>
#include <functional>

namespace vorlant {

// Milliseconds from a monotonic clock; only differences between readings mean anything.
using MonotonicClock = std::function<std::int64_t()>;

// The program's clock: std::chrono::steady_clock in whole milliseconds, unaffected by changes
// of the system time.
std::int64_t SteadyClockMs();

} // namespace vorlant
