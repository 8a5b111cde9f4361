#pragma once
// Every failure of the program is an Error carrying the French text the user sees.
#include <stdexcept>
#include <string>

namespace vardo {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// Replaces the first "%s" of a message pattern by an argument.
std::string formatMessage(const std::string& pattern, const std::string& argument);

// The text the error box shows: a full stop is appended when the last character sorts after ".".
std::string errorBoxText(const std::string& message);

}  // namespace vardo
