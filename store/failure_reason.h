#pragma once

#include "engine/user_text.h"

#include <system_error>

namespace vorlant {

// What the store finds wrong with a file it reads, beside what the system reports.
enum class FileFault
{
    NotARegularFile = 1, // a pipe, a device
    ShorterThanResults,  // less than one results file's bytes
};
std::error_code make_error_code(FileFault fault);

// Why a file could not be read or written, as a line for the user: the wording (context
// "Messages") for the common reasons, else the system's own text.
UserText FailureReason(std::error_code error);

} // namespace vorlant

template <> struct std::is_error_code_enum<vorlant::FileFault> : std::true_type
{};
