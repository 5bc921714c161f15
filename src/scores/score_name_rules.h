#pragma once
// Names in the top-score tables. In memory a name is UTF-8 text; in stats.dat it fills a
// fixed field of 20 bytes, blank-padded, without terminator.
//
// The field holds the name in the Windows-1252 code page, one byte a character, whenever the
// name can be written that way. A name with characters outside that code page is written
// as UTF-8 instead, cut at a character boundary to fit the 20 bytes, so it still reads back
// as the same text. On reading, a field that is valid UTF-8 with at least one multi-byte
// character is taken as UTF-8, anything else as Windows-1252; bytes that are not printable
// text (control codes, unassigned code points) read as blanks.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillan {

inline constexpr int kNameLength = 20;
using NameField = std::array<std::uint8_t, kNameLength>;

// The 20 bytes stored for `name`: its first 20 characters, blank-padded.
NameField encodeName(std::string_view name);

// The name a field holds, as UTF-8, padded with blanks to 20 characters.
std::string decodeName(const NameField& field);

// The name as the table keeps it: cut or blank-padded to 20 characters, exactly what the file
// will give back (a name that needs UTF-8 may keep fewer characters).
std::string fitName(std::string_view typed);

// The name without leading or trailing blanks.
std::string trimName(std::string_view name);

} // namespace quillan
