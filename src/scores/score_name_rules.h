#pragma once
// Names in the top-score tables. In memory a name is UTF-8 text of exactly 20 characters;
// in stats.dat it fills a fixed field of 20 bytes, one byte a character in the Windows-1252
// code page, blank-padded, without terminator.
//
// Reading and writing a field are exact inverses: every byte reads as one character (the
// five bytes the code page leaves unassigned, and the control codes, read as the control
// characters of the same number), and that character writes back as the same byte. So a
// record read from stats.dat and not changed is written back with the bytes it had.
//
// Only code-page characters are ever stored. A typed name is first brought into the code page
// (fitName): control characters become blanks, and a character the code page lacks becomes
// its nearest code-page form where the caller found one (see record_top_scores.cpp), else
// "?". Names are never stored as UTF-8: its bytes are valid code-page text too, so no field
// could be told to be UTF-8 without misreading some code-page name.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quillan {

inline constexpr int kNameLength = 20;
using NameField = std::array<std::uint8_t, kNameLength>;

// The 20 bytes stored for `name`: its first 20 characters, one byte each ("?" for a
// character outside the code page), blank-padded.
NameField encodeName(std::string_view name);

// The name a field holds: 20 characters, as UTF-8.
std::string decodeName(const NameField& field);

// True when the code page has a byte for `c`.
bool inCodePage(char32_t c);

// A typed name as the table keeps it: control characters as blanks, characters outside the
// code page as "?", cut or blank-padded to 20 characters; exactly what the file gives back.
std::string fitName(std::string_view typed);

// The name as shown on screen: control characters as blanks.
std::string shownName(std::string_view name);

// The name without leading or trailing blanks.
std::string trimName(std::string_view name);

} // namespace quillan
