#pragma once

#include <string>

namespace vorlant {

// Looks in folder, at start, for the temporary files of results files that a save left
// behind when it was killed or the computer stopped (see NameCarriedByTemporary). One that
// holds a whole results file gets the name it carries, or the next free one as a save would;
// one that is already named is removed; an unfinished one older than a day is removed. A file
// still locked by a save under way is left alone, as is anything that is not a regular file.
void ClaimInterruptedSaves(const std::string &folder);

} // namespace vorlant
