#pragma once

#include <string>

namespace vorlant {

// The program's own folders among the user's hold children's results, and other accounts of a
// shared computer must not read them.
//
// Makes folder, and any missing folder above it, for its user alone (mode 0700). When folder
// exists already and belongs to the user, it is closed to others too; the folders above it
// that existed stay as they are. Returns whether folder is there.
bool MakePrivateFolder(const std::string &folder);

} // namespace vorlant
