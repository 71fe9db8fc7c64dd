#pragma once

#include "engine/message_sink.h"

namespace vorlant {

// Shows messages and errors as modal message boxes captioned with the application's title,
// over whichever window is active.
class MessageBoxes : public MessageSink
{
public:
    void Message(const std::string &text) override;
    void Error(const std::string &text) override;
};

} // namespace vorlant
