#pragma once

#include "engine/user_text.h"

#include <string>

class QWidget;

namespace vorlant {

// Shows message (a test could not be saved) in a message box over parent that offers
// "Uložit jinam…" beside "OK". "Uložit jinam…" opens the system's save dialog for the results
// file, suggested as fileName in the home folder, for example to put it on a USB stick.
// Returns the chosen path; an empty text once the user answers "OK". A cancelled dialog shows
// the message again, so that the test is not lost by one wrong click.
std::string AskWhereElseToSave(QWidget *parent, const UserText &message,
                               const std::string &fileName);

} // namespace vorlant
