#pragma once
// The status line's fade-in: the text starts black and reaches RGB(200, 140, 160) in 20 steps.

namespace quillan {

inline constexpr int kStatusFadeSteps = 20;
inline constexpr int kStatusFadeWaitMs = 5;
inline constexpr const char* kKnockHint = "Double-Click the screen to Knock";

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Rgb&) const = default;
};

// The colour of fade step k (1..20).
constexpr Rgb statusFadeColour(int step) {
    return Rgb{10 * step, 7 * step, 8 * step};
}

} // namespace quillan
