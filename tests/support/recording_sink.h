#pragma once

#include "engine/message_sink.h"

#include <functional>
#include <string>
#include <vector>

namespace vorlant::testing {

// Keeps what the code under test reports instead of showing it.
class RecordingSink : public MessageSink
{
public:
    void Message(const UserText &text) override
    {
        messages.push_back(text.filled());
        if (onMessage)
            onMessage();
    }
    void Error(const UserText &text) override
    {
        errors.push_back(text.filled());
        if (onError)
            onError();
    }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
    // Run as each message or error is shown, as a message box's own event loop would run the
    // program.
    std::function<void()> onMessage;
    std::function<void()> onError;
};

} // namespace vorlant::testing
