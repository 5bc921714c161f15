#pragma once
// How many picture pixels make one logical pixel of a table background. The program's own
// backgrounds are drawn at twice their size, so they stay sharp when the table is drawn
// larger, and say so in a comment in the file: a line "QuillanPixelRatio: 2" in a JPEG
// comment segment or a GIF comment block ahead of the picture data. Any other picture,
// whatever its size, is one logical pixel per pixel, so a player's own photo sizes the table
// as it always has.

#include <cstddef>
#include <span>
#include <string_view>

namespace quillan {

inline constexpr std::string_view kPictureRatioKey = "QuillanPixelRatio";
inline constexpr int kDoubleSizeRatio = 2;
// The head of a file that is read for the comment: the segments before a JPEG's picture data
// (an embedded preview included) fit in it.
inline constexpr std::size_t kPictureHeadBytes = 256 * 1024;

// The ratio a file's head declares: 2 when a comment of a JPEG or GIF file holds the line
// "QuillanPixelRatio: 2" (blanks around the parts allowed), else 1. Damaged, cut-off or other
// files give 1.
int markedPictureRatio(std::span<const unsigned char> head);

// The ratio to draw a picture of `width` x `height` pixels at: the marked ratio when both
// sides divide by it, else 1.
int pictureRatio(int markedRatio, int width, int height);

} // namespace quillan
