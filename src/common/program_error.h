#pragma once
// Errors raised by the program's procedures. Each carries the description that the
// procedure's error trap shows to the player ("Overflow", "Subscript out of range", ...).

#include <stdexcept>
#include <string>

namespace quillan {

class ProgramError : public std::runtime_error {
  public:
    explicit ProgramError(const std::string& description) : std::runtime_error(description) {}
    explicit ProgramError(const char* description) : std::runtime_error(description) {}
    const char* description() const noexcept { return what(); }
};

inline constexpr const char* kOverflow = "Overflow";
inline constexpr const char* kSubscriptOutOfRange = "Subscript out of range";

[[noreturn]] void raiseOverflow();
[[noreturn]] void raiseSubscriptOutOfRange();

} // namespace quillan
