#pragma once
#include <stdexcept>
#include <string>

namespace worvanta {

// An error that carries the text the user is to read. Every failure the
// program reports travels as one of these; the button handlers show it.
class AppError : public std::runtime_error {
public:
    explicit AppError(const std::string& message) : std::runtime_error(message) {}
    const std::string message() const { return what(); }
};

}  // namespace worvanta
