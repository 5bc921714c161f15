#include "app/text_number_rules.h"

#include <cctype>
#include <cmath>

#include "common/program_error.h"

namespace quillan {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
        text.remove_prefix(1);
    }
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
        text.remove_suffix(1);
    }
    return text;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return (lower >= 'a' && lower <= 'f') ? lower - 'a' + 10 : -1;
}

// "&H" followed by 1..8 hexadecimal digits and an optional "&"; the digits are a 32-bit
// pattern, so "&HFFFFFFFF&" is -1.
std::optional<std::int64_t> hexNumber(std::string_view body) {
    if (!body.empty() && body.back() == '&') {
        body.remove_suffix(1);
    }
    if (body.empty() || body.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (const char c : body) {
        const int d = hexDigit(c);
        if (d < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint32_t>(d);
    }
    return static_cast<std::int64_t>(static_cast<std::int32_t>(value));
}

std::optional<std::int64_t> decimalNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    double whole = 0.0;
    double fraction = 0.0;
    double scale = 0.1;
    bool digits = false;
    bool inFraction = false;
    for (const char c : text) {
        if (c == '.' && !inFraction) {
            inFraction = true;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            digits = true;
            if (inFraction) {
                fraction += (c - '0') * scale;
                scale /= 10.0;
            } else {
                whole = whole * 10.0 + (c - '0');
            }
        } else {
            return std::nullopt;
        }
        if (whole > 1e15) {
            return std::nullopt;
        }
    }
    if (!digits) {
        return std::nullopt;
    }
    const double value = std::nearbyint(whole + fraction);
    return static_cast<std::int64_t>(negative ? -value : value);
}

} // namespace

std::optional<std::int64_t> numberFromText(std::string_view text) {
    text = trimmed(text);
    if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
        return hexNumber(text.substr(2));
    }
    return decimalNumber(text);
}

int16 int16FromLabelText(std::string_view text) {
    const auto value = numberFromText(text);
    if (!value) {
        throw ProgramError("Type mismatch");
    }
    return checked16(*value);
}

} // namespace quillan
