#pragma once

#include <string>

namespace vorlant {

// Looks in folder, at start, for the temporary files of results files that a save left
// behind when it was killed or the computer stopped (see NameCarriedByTemporary). One that
// holds a whole results file gets the name it carries, or the next free one as a save would;
// one whose results file it already is (the same file, not merely another link) is removed;
// an unfinished one older than a day is removed. A file locked by a save under way, or written
// less than a minute ago (the locks of other computers may not show), is left alone, as is
// anything that is not a regular file. Several copies may do this at once on one folder.
void ClaimInterruptedSaves(const std::string &folder);

} // namespace vorlant
