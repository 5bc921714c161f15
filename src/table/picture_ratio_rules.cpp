#include "table/picture_ratio_rules.h"

#include <algorithm>
#include <string>

namespace quillan {

namespace {

using Bytes = std::span<const unsigned char>;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// A comment's lines of the form "key: value"; the ratio its marker line names.
bool commentMarksDoubleSize(std::string_view comment) {
    while (!comment.empty()) {
        const auto end = comment.find('\n');
        const std::string_view line = comment.substr(0, end);
        comment = end == std::string_view::npos ? std::string_view{} : comment.substr(end + 1);
        const auto colon = line.find(':');
        if (colon != std::string_view::npos && trimmed(line.substr(0, colon)) == kPictureRatioKey &&
            trimmed(line.substr(colon + 1)) == "2") {
            return true;
        }
    }
    return false;
}

std::string_view textOf(Bytes bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// JPEG: walks the segments from the start of image to the start of the picture data.
bool jpegMarked(Bytes b) {
    std::size_t at = 2;
    while (at + 1 < b.size()) {
        if (b[at] != 0xFF) {
            return false;
        }
        const unsigned char marker = b[at + 1];
        if (marker == 0xFF) { // fill byte
            ++at;
            continue;
        }
        at += 2;
        if (marker == 0xDA || marker == 0xD9) { // picture data or end of image
            return false;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // no length
            continue;
        }
        if (at + 2 > b.size()) {
            return false;
        }
        const std::size_t length = (std::size_t{b[at]} << 8) | b[at + 1];
        if (length < 2 || at + length > b.size()) {
            return false;
        }
        if (marker == 0xFE && commentMarksDoubleSize(textOf(b.subspan(at + 2, length - 2)))) {
            return true;
        }
        at += length;
    }
    return false;
}

// GIF: the extension blocks between the colour table and the first picture.
bool gifMarked(Bytes b) {
    constexpr std::size_t kScreenDescriptorEnd = 13;
    if (b.size() < kScreenDescriptorEnd) {
        return false;
    }
    std::size_t at = kScreenDescriptorEnd;
    const unsigned char packed = b[10];
    if ((packed & 0x80) != 0) {
        at += 3u * (2u << (packed & 0x07));
    }
    while (at + 1 < b.size() && b[at] == 0x21) {
        const bool comment = b[at + 1] == 0xFE;
        at += 2;
        std::string text;
        while (at < b.size() && b[at] != 0) {
            const std::size_t size = b[at];
            if (at + 1 + size > b.size()) {
                return false;
            }
            if (comment) {
                text.append(textOf(b.subspan(at + 1, size)));
            }
            at += 1 + size;
        }
        if (at >= b.size()) { // cut off before the block's end
            return false;
        }
        ++at;
        if (comment && commentMarksDoubleSize(text)) {
            return true;
        }
    }
    return false;
}

} // namespace

int markedPictureRatio(std::span<const unsigned char> head) {
    const std::string_view start = textOf(head.first(std::min<std::size_t>(head.size(), 6)));
    if (start.starts_with("\xFF\xD8")) {
        return jpegMarked(head) ? kDoubleSizeRatio : 1;
    }
    if (start == "GIF87a" || start == "GIF89a") {
        return gifMarked(head) ? kDoubleSizeRatio : 1;
    }
    return 1;
}

int pictureRatio(int markedRatio, int width, int height) {
    if (markedRatio <= 1 || width <= 0 || height <= 0 || width % markedRatio != 0 ||
        height % markedRatio != 0) {
        return 1;
    }
    return markedRatio;
}

} // namespace quillan
