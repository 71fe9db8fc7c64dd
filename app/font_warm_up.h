#pragma once

#include <thread>

namespace vorlant {

// Reads the system's font configuration on a thread of its own while the main thread
// connects to the display: the first text the main window lays out would otherwise wait
// for it. Waits for the thread when it goes.
class FontWarmUp
{
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp &) = delete;
    FontWarmUp &operator=(const FontWarmUp &) = delete;

    // Waits until the configuration is read; afterwards the toolkit finds it ready.
    void wait();

private:
    std::thread thread_;
};

} // namespace vorlant
