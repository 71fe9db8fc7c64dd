#pragma once

#include "engine/message_sink.h"

namespace vorlant {

// Shows messages and errors as modal message boxes captioned with the application's title,
// over whichever window is active, in the language the program speaks.
class MessageBoxes : public MessageSink
{
public:
    void Message(const UserText &text) override;
    void Error(const UserText &text) override;
};

} // namespace vorlant
