#pragma once

#include "engine/sequence.h"

#include <cstdint>
#include <optional>

namespace vorlant {

// The cell that a key answers, chosen by the key's place on the keyboard: the keys at the
// places of 1 2 3 4 / Q W E R / A S D F / Z X C V stand for the board's rows 0 to 3, each key
// for the column it stands in. The place is the key's native scan code as Linux desktops
// report it (the XKB keycode, evdev code + 8, on X11 and Wayland alike), which does not
// depend on the layout: on a Czech QWERTZ keyboard the same keys type "+ěšč" and "YXCV".
// Any other key answers nothing.
std::optional<CellPosition> CellForAnswerKey(std::uint32_t nativeScanCode);

} // namespace vorlant
