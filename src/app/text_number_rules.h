#pragma once
// Turning stored and displayed texts into numbers. A number is decimal (optional sign,
// optional fraction, rounded halves to even) or hexadecimal written "&H...", optionally
// closed by "&"; blanks around it are ignored. Anything else is not a number.

#include <cstdint>
#include <optional>
#include <string_view>

#include "common/int16.h"

namespace quillan {

std::optional<std::int64_t> numberFromText(std::string_view text);

// A label's caption read back as a 16-bit number: "Type mismatch" when it holds no
// number, "Overflow" when the number does not fit.
int16 int16FromLabelText(std::string_view text);

} // namespace quillan
