#pragma once

#include <string_view>

namespace vorlant {

// The names under which the engine asks its owner to play the program's three sounds.
inline constexpr std::string_view kSoundUp = "WAVE_UP";
inline constexpr std::string_view kSoundDown = "WAVE_DOWN";
inline constexpr std::string_view kSoundError = "WAVE_ERR";

} // namespace vorlant
