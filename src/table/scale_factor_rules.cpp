#include "table/scale_factor_rules.h"

#include <charconv>
#include <cmath>

namespace quillan {

namespace {

constexpr std::size_t kLongestValueShown = 40;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The whole text as a finite decimal number, a leading '+' allowed.
std::optional<double> numberFrom(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string printable(std::string_view text) {
    std::string shown;
    for (const char c : text.substr(0, kLongestValueShown)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte == 0x7f ? '?' : c;
    }
    return text.size() > kLongestValueShown ? shown + "..." : shown;
}

} // namespace

std::string scaleFactorProblem(std::string_view text, std::optional<std::pair<int, int>> screen,
                               int windowWidth, int windowHeight) {
    const std::optional<double> factor = numberFrom(text);
    if (!factor) {
        return "not a number";
    }
    if (*factor <= 0) {
        return "not above 0";
    }
    if (screen &&
        (windowWidth * *factor > screen->first || windowHeight * *factor > screen->second)) {
        return "the window would be larger than the screen";
    }
    return {};
}

std::string ignoredScaleFactorLine(std::string_view text, std::string_view problem, int percent) {
    return "Quillan: QT_SCALE_FACTOR=" + printable(text) + " is ignored (" + std::string(problem) +
           "); the window is drawn at the table size, " + std::to_string(percent) + "%.";
}

} // namespace quillan
