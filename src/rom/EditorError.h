// The one error type of the editor. Every operation stops at its first failure
// by throwing it; the text is exactly what the user is shown.
#pragma once

#include <stdexcept>
#include <string>

class EditorError : public std::runtime_error {
public:
    explicit EditorError(const std::string& message) : std::runtime_error(message) {}
};
