#pragma once

#include <atomic>
#include <thread>

namespace vorlant {

// Reads the system's font configuration on a thread of its own while the main thread
// connects to the display: the first text the main window lays out would otherwise wait
// for it. The thread runs only on time no other thread of the machine wants, so that it
// does not slow the connection it runs beside.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Returns once the configuration is read; afterwards the toolkit finds it ready. When
    // the thread has not finished (a busy machine gives it no time), the calling thread
    // reads the configuration itself rather than wait for it.
    void complete();

private:
    std::atomic<bool> done_{false};
    std::thread thread_;
};

} // namespace vorlant
