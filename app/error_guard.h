#pragma once

#include "engine/message_sink.h"

#include <exception>

namespace vorlant {

// What an error box says about an exception that carries no text of its own.
inline constexpr const char *kUnknownErrorText =
    VORLANT_TRANSLATE_NOOP("Messages", "Neznámá chyba");

// Runs work; an exception escaping it is shown as an error and goes no further, so that the
// program goes on. Returns whether work ran to its end.
template <typename Work> bool RunReportingErrors(MessageSink &errors, Work &&work)
{
    try {
        work();
        return true;
    } catch (const std::exception &error) {
        errors.Error(error.what());
    } catch (...) {
        errors.Error(kUnknownErrorText);
    }
    return false;
}

} // namespace vorlant
