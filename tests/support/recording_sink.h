#pragma once

#include "engine/message_sink.h"

#include <string>
#include <vector>

namespace vorlant::testing {

// Keeps what the code under test reports instead of showing it.
class RecordingSink : public MessageSink
{
public:
    void Message(const std::string &text) override { messages.push_back(text); }
    void Error(const std::string &text) override { errors.push_back(text); }

    std::vector<std::string> messages;
    std::vector<std::string> errors;
};

} // namespace vorlant::testing
