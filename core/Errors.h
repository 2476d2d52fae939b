// The error types raised by the core and by the list; each carries the text shown to the user.
#pragma once

#include <exception>
#include <string>
#include <utility>

#include "Text.h"

namespace velmora {

// An error whose message is shown to the user as it stands (after the "." rule of the handler).
class VelmoraError : public std::exception {
public:
    explicit VelmoraError(Text message);
    const Text& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    Text message_;
    std::string utf8_;
};

// A text or a number that cannot be converted: sizes, dates, day counts, timestamps. input() is
// the text that could not be read, where there was one, for messages that name it.
class ConvertError : public VelmoraError {
public:
    explicit ConvertError(Text message, Text input = {})
        : VelmoraError(std::move(message)), input_(std::move(input)) {}
    const Text& input() const noexcept { return input_; }

private:
    Text input_;
};

// A row, column or sub-item index outside the list: "List index out of bounds (%d)".
class ListIndexError : public VelmoraError {
public:
    explicit ListIndexError(std::int64_t index);
};

// A rename that the item's storage or the shell refused: "Rename to %1 failed", with the name
// asked for.
class RenameError : public VelmoraError {
public:
    explicit RenameError(TextView name);
};

// Appends "." to an error text whose last character's code is above that of ".".
Text withClosingPeriod(TextView message);

// The text shown for an error: the message of a VelmoraError, or what() of another exception
// (read as UTF-8), or "Unknown error"; then the "." rule.
Text shownErrorText(std::exception_ptr error);

} // namespace velmora
