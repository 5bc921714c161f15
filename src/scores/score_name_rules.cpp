#include "scores/score_name_rules.h"

#include <optional>
#include <vector>

namespace quillan {

namespace {

using CodePoints = std::vector<char32_t>;

constexpr char32_t kBlank = U' ';
constexpr char32_t kUnknown = U'?';

// Windows-1252 bytes 0x80..0x9F; the rest of the code page is Latin-1. The five unassigned
// bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control characters of their number.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

char32_t fromCodePage(std::uint8_t byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? kHighControls[byte - 0x80u] : char32_t{byte};
}

std::optional<std::uint8_t> toCodePage(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<std::uint8_t>(c);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<std::uint8_t>(0x80 + i);
        }
    }
    return std::nullopt;
}

// Length of the UTF-8 sequence starting with `lead`, 0 for a byte that cannot start one.
int sequenceLength(std::uint8_t lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    return (lead >= 0xF0 && lead <= 0xF4) ? 4 : 0;
}

// Decodes one UTF-8 character at `pos`; nothing when the bytes there are not a valid one.
std::optional<char32_t> nextUtf8(std::string_view bytes, std::size_t& pos) {
    const auto lead = static_cast<std::uint8_t>(bytes[pos]);
    const int length = sequenceLength(lead);
    if (length == 0 || pos + static_cast<std::size_t>(length) > bytes.size()) {
        return std::nullopt;
    }
    static constexpr std::array<std::uint8_t, 5> kLeadMask{0, 0x7F, 0x1F, 0x0F, 0x07};
    char32_t c = lead & kLeadMask[static_cast<std::size_t>(length)];
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<std::uint8_t>(bytes[pos + static_cast<std::size_t>(k)]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        c = (c << 6) | (next & 0x3Fu);
    }
    static constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[static_cast<std::size_t>(length)] || c > 0x10FFFF ||
        (c >= 0xD800 && c <= 0xDFFF)) {
        return std::nullopt;
    }
    pos += static_cast<std::size_t>(length);
    return c;
}

// Text to characters: a byte that does not start a valid character becomes "?".
CodePoints lenientUtf8(std::string_view text) {
    CodePoints out;
    for (std::size_t pos = 0; pos < text.size();) {
        const auto c = nextUtf8(text, pos);
        out.push_back(c ? *c : kUnknown);
        pos += c ? 0 : 1;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
        return;
    }
    const int length = c < 0x800 ? 2 : (c < 0x10000 ? 3 : 4);
    static constexpr std::array<std::uint8_t, 5> kLeadBits{0, 0, 0xC0, 0xE0, 0xF0};
    out +=
        static_cast<char>(kLeadBits[static_cast<std::size_t>(length)] | (c >> (6 * (length - 1))));
    for (int k = length - 2; k >= 0; --k) {
        out += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    }
}

std::string toUtf8(const CodePoints& chars) {
    std::string out;
    for (const char32_t c : chars) {
        appendUtf8(out, c);
    }
    return out;
}

} // namespace

bool inCodePage(char32_t c) {
    return toCodePage(c).has_value();
}

NameField encodeName(std::string_view name) {
    const CodePoints chars = lenientUtf8(name);
    NameField field;
    field.fill(' ');
    for (std::size_t i = 0; i < chars.size() && i < field.size(); ++i) {
        field[i] = toCodePage(chars[i]).value_or(static_cast<std::uint8_t>(kUnknown));
    }
    return field;
}

std::string decodeName(const NameField& field) {
    CodePoints chars;
    for (const std::uint8_t byte : field) {
        chars.push_back(fromCodePage(byte));
    }
    return toUtf8(chars);
}

std::string fitName(std::string_view typed) {
    CodePoints chars = lenientUtf8(typed);
    for (char32_t& c : chars) {
        c = isControl(c) ? kBlank : c;
    }
    return decodeName(encodeName(toUtf8(chars)));
}

std::string shownName(std::string_view name) {
    CodePoints chars = lenientUtf8(name);
    for (char32_t& c : chars) {
        c = isControl(c) ? kBlank : c;
    }
    return toUtf8(chars);
}

std::string trimName(std::string_view name) {
    const auto first = name.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = name.find_last_not_of(' ');
    return std::string(name.substr(first, last - first + 1));
}

} // namespace quillan
