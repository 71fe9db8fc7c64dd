#pragma once

#include "engine/user_text.h"

namespace vorlant {

// Where the program's parts report failures to the user. The windows turn these into
// message boxes; tests record them.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    // A plain message: the text and one "OK" button, no icon.
    virtual void Message(const UserText &text) = 0;
    // An error: shown with a full stop added unless the text ends in one.
    virtual void Error(const UserText &text) = 0;
};

} // namespace vorlant
