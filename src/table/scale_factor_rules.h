#pragma once
// A scale the player set in the environment (QT_SCALE_FACTOR) is used as it stands only when
// it can draw the window: a number above 0 at which the window fits on the screen. Any other
// value is ignored, with one line saying so, and the table size applies instead.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "table/table_size_rules.h"

namespace quillan {

// Why `text` cannot scale a `windowWidth` x `windowHeight` window on a `screen` of that many
// pixels (when it is known): "not a number", "not above 0" or "the window would be larger
// than the screen". Empty when it can. Blanks around the number are allowed.
std::string scaleFactorProblem(std::string_view text, std::optional<std::pair<int, int>> screen,
                               int windowWidth = kWindowWidth, int windowHeight = kWindowHeight);

// The line said on standard error: the variable, the value ignored and why, and the
// percentage the window is drawn at instead. The value is shown printable and cut short.
std::string ignoredScaleFactorLine(std::string_view text, std::string_view problem, int percent);

} // namespace quillan
