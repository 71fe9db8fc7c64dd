#include "app/font_warm_up.h"

#include <fontconfig/fontconfig.h>
#include <sched.h>

namespace vorlant {

// Fontconfig is thread-safe, and FcInit loads the configuration and the font caches once:
// of two threads that read it at the same time, one keeps its reading and the other's is
// dropped. A thread cannot leave the idle class again without privileges, so the main
// thread never waits for this one; only the program's end does.
FontWarmUp::FontWarmUp()
    : thread_([this] {
          sched_param unused{};
          sched_setscheduler(0, SCHED_IDLE, &unused);
          FcInit();
          done_.store(true, std::memory_order_release);
      })
{}

FontWarmUp::~FontWarmUp()
{
    thread_.join();
}

void FontWarmUp::complete()
{
    if (!done_.load(std::memory_order_acquire))
        FcInit();
}

} // namespace vorlant
