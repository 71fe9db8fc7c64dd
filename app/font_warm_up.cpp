#include "app/font_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace vorlant {

// Fontconfig is thread-safe; FcInit loads the configuration and the font caches once, and
// the toolkit's own call later finds them loaded.
FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}

FontWarmUp::~FontWarmUp()
{
    wait();
}

void FontWarmUp::wait()
{
    if (thread_.joinable())
        thread_.join();
}

} // namespace vorlant
