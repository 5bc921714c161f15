#include "scores/score_name_rules.h"

#include <optional>
#include <vector>

namespace quillan {

namespace {

using CodePoints = std::vector<char32_t>;

constexpr char32_t kBlank = U' ';
constexpr char32_t kUnknown = U'?';
constexpr char32_t kUnassigned = 0;

// Windows-1252 bytes 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC,      kUnassigned, 0x201A, 0x0192, 0x201E, 0x2026,      0x2020, 0x2021,
    0x02C6,      0x2030,      0x0160, 0x2039, 0x0152, kUnassigned, 0x017D, kUnassigned,
    kUnassigned, 0x2018,      0x2019, 0x201C, 0x201D, 0x2022,      0x2013, 0x2014,
    0x02DC,      0x2122,      0x0161, 0x203A, 0x0153, kUnassigned, 0x017E, 0x0178};

bool printable(char32_t c) {
    const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    return !control && !surrogate && c != 0xFFFE && c != 0xFFFF && c <= 0x10FFFF;
}

char32_t fromCodePage(std::uint8_t byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? kHighControls[byte - 0x80u] : char32_t{byte};
}

std::optional<std::uint8_t> toCodePage(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<std::uint8_t>(c);
    }
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] != kUnassigned && kHighControls[i] == c) {
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
template <typename Bytes> std::optional<char32_t> nextUtf8(const Bytes& bytes, std::size_t& pos) {
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

// Every character of `bytes` when they are valid UTF-8, nothing otherwise.
template <typename Bytes> std::optional<CodePoints> strictUtf8(const Bytes& bytes) {
    CodePoints out;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const auto c = nextUtf8(bytes, pos);
        if (!c) {
            return std::nullopt;
        }
        out.push_back(*c);
    }
    return out;
}

// Typed text to characters: a byte that does not start a valid character becomes "?".
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

bool hasMultiByte(const CodePoints& chars) {
    for (const char32_t c : chars) {
        if (c >= 0x80) {
            return true;
        }
    }
    return false;
}

// The field in the code page, or nothing when some character is not in it or when the bytes
// would read back as UTF-8.
std::optional<NameField> codePageField(const CodePoints& chars) {
    NameField field;
    field.fill(' ');
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const auto byte = toCodePage(chars[i]);
        if (!byte) {
            return std::nullopt;
        }
        field[i] = *byte;
    }
    const auto asUtf8 = strictUtf8(field);
    if (asUtf8 && hasMultiByte(*asUtf8)) {
        return std::nullopt;
    }
    return field;
}

NameField utf8Field(const CodePoints& chars) {
    NameField field;
    field.fill(' ');
    std::size_t used = 0;
    for (const char32_t c : chars) {
        std::string bytes;
        appendUtf8(bytes, c);
        if (used + bytes.size() > field.size()) {
            break;
        }
        for (const char b : bytes) {
            field[used++] = static_cast<std::uint8_t>(b);
        }
    }
    return field;
}

} // namespace

NameField encodeName(std::string_view name) {
    CodePoints chars = lenientUtf8(name);
    if (chars.size() > static_cast<std::size_t>(kNameLength)) {
        chars.resize(kNameLength);
    }
    for (char32_t& c : chars) {
        c = printable(c) ? c : kBlank;
    }
    const auto field = codePageField(chars);
    return field ? *field : utf8Field(chars);
}

std::string decodeName(const NameField& field) {
    const auto asUtf8 = strictUtf8(field);
    CodePoints chars;
    if (asUtf8 && hasMultiByte(*asUtf8)) {
        chars = *asUtf8;
    } else {
        for (const std::uint8_t byte : field) {
            chars.push_back(fromCodePage(byte));
        }
    }
    std::string name;
    for (const char32_t c : chars) {
        appendUtf8(name, printable(c) ? c : kBlank);
    }
    name.append(static_cast<std::size_t>(kNameLength) - chars.size(), ' ');
    return name;
}

std::string fitName(std::string_view typed) {
    return decodeName(encodeName(typed));
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
