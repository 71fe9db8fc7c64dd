#pragma once

namespace vorlant {

// Leaves every shown window of the program: each one closes as by its close box, and a dialog
// that refuses (one that only an answer may close) ends unanswered. So no modal window keeps its
// run going, whichever of them waits inside another, and a reading that shows its progress
// stops as by "Zrušit".
void CloseEveryWindow();

} // namespace vorlant
