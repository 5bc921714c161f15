// How the table tells a background drawn at twice its size from an ordinary picture.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "table/picture_ratio_rules.h"

namespace quillan {
namespace {

using Bytes = std::vector<unsigned char>;

void append(Bytes& b, std::string_view text) {
    b.insert(b.end(), text.begin(), text.end());
}

void segment(Bytes& b, unsigned char marker, std::string_view payload) {
    const std::size_t length = payload.size() + 2;
    b.insert(b.end(), {0xFF, marker, static_cast<unsigned char>(length >> 8),
                       static_cast<unsigned char>(length & 0xFF)});
    append(b, payload);
}

// A JPEG head: start of image, a JFIF segment, the given segments, then picture data.
Bytes jpeg(const std::vector<std::pair<unsigned char, std::string>>& segments) {
    Bytes b{0xFF, 0xD8};
    segment(b, 0xE0, std::string("JFIF\0\1\1\0\0\1\0\1\0\0", 14));
    for (const auto& [marker, payload] : segments) {
        segment(b, marker, payload);
    }
    segment(b, 0xDA, std::string(10, '\x11'));
    b.insert(b.end(), 40, 0x5A);
    return b;
}

void gifBlock(Bytes& b, unsigned char label, std::string_view data) {
    b.insert(b.end(), {0x21, label});
    while (!data.empty()) {
        const std::size_t n = std::min<std::size_t>(data.size(), 255);
        b.push_back(static_cast<unsigned char>(n));
        append(b, data.substr(0, n));
        data.remove_prefix(n);
    }
    b.push_back(0);
}

// A GIF head with a global colour table of 4 entries, the given comments (after a graphic
// control block), then the picture.
Bytes gif(const std::vector<std::string>& comments, bool afterPicture = false) {
    Bytes b;
    append(b, "GIF89a");
    b.insert(b.end(), {0x40, 0x06, 0xB0, 0x04, 0x81, 0x00, 0x00});
    b.insert(b.end(), 12, 0x77);
    gifBlock(b, 0xF9, std::string("\0\0\0\0", 4));
    const auto picture = [&b] {
        b.insert(b.end(),
                 {0x2C, 0, 0, 0, 0, 0x40, 0x06, 0xB0, 0x04, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00});
    };
    if (afterPicture) {
        picture();
    }
    for (const std::string& c : comments) {
        gifBlock(b, 0xFE, c);
    }
    if (!afterPicture) {
        picture();
    }
    b.push_back(0x3B);
    return b;
}

int ratio(const Bytes& b) {
    return markedPictureRatio(b);
}

TEST(MarkedPictureRatio, TheCommentLineMarksAJpegOrGifAsDoubleSize) {
    EXPECT_EQ(ratio(jpeg({{0xFE, "QuillanPixelRatio: 2"}})), 2);
    EXPECT_EQ(ratio(jpeg({{0xFE, "  QuillanPixelRatio :2 \r"}})), 2);
    EXPECT_EQ(ratio(jpeg({{0xFE, "Painted by make_assets\n\nQuillanPixelRatio: 2\n"}})), 2);
    // A large embedded preview ahead of the comment.
    EXPECT_EQ(ratio(jpeg({{0xE1, std::string(60000, 'x')}, {0xFE, "QuillanPixelRatio: 2"}})), 2);
    EXPECT_EQ(ratio(gif({"QuillanPixelRatio: 2"})), 2);
    EXPECT_EQ(ratio(gif({"a first comment", std::string(300, '-') + "\nQuillanPixelRatio: 2"})), 2);
}

TEST(MarkedPictureRatio, OrdinaryPicturesAreOnePixelPerPixel) {
    EXPECT_EQ(ratio(jpeg({})), 1);
    EXPECT_EQ(ratio(jpeg({{0xFE, "Taken with a camera"}})), 1);
    EXPECT_EQ(ratio(jpeg({{0xFE, "QuillanPixelRatio: 3"}})), 1);
    EXPECT_EQ(ratio(jpeg({{0xFE, "QuillanPixelRatio: 2x"}})), 1);
    EXPECT_EQ(ratio(jpeg({{0xFE, "MyQuillanPixelRatio: 2"}})), 1);
    // The words outside a comment segment do not count.
    EXPECT_EQ(ratio(jpeg({{0xE1, "QuillanPixelRatio: 2"}})), 1);
    EXPECT_EQ(ratio(gif({})), 1);
    EXPECT_EQ(ratio(gif({"QuillanPixelRatio: 1"})), 1);
    EXPECT_EQ(ratio(gif({"QuillanPixelRatio: 2"}, true)), 1) << "only ahead of the picture";
    Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    append(png, "tEXtQuillanPixelRatio: 2");
    EXPECT_EQ(ratio(png), 1);
}

TEST(MarkedPictureRatio, DamagedOrCutOffHeadsGiveOne) {
    EXPECT_EQ(ratio({}), 1);
    EXPECT_EQ(ratio({0xFF}), 1);
    EXPECT_EQ(ratio({0xFF, 0xD8}), 1);
    const Bytes good = jpeg({{0xFE, "QuillanPixelRatio: 2"}});
    // Cut anywhere inside the comment, the mark is not read.
    for (std::size_t n = 0; n < 24 + 20; ++n) {
        EXPECT_EQ(ratio(Bytes(good.begin(), good.begin() + static_cast<long>(n))), 1) << n;
    }
    Bytes badLength = good;
    badLength[22] = 0xFF; // the comment claims to run past the head
    badLength[23] = 0xFF;
    EXPECT_EQ(ratio(badLength), 1);
    Bytes tooShort = good;
    tooShort[22] = 0;
    tooShort[23] = 1; // a length below its own two bytes
    EXPECT_EQ(ratio(tooShort), 1);
    const Bytes goodGif = gif({"QuillanPixelRatio: 2"});
    for (std::size_t n = 0; n < goodGif.size() - 16; ++n) {
        EXPECT_EQ(ratio(Bytes(goodGif.begin(), goodGif.begin() + static_cast<long>(n))), 1) << n;
    }
}

TEST(PictureRatio, TheMarkCountsOnlyForSidesItDivides) {
    EXPECT_EQ(pictureRatio(2, 1600, 1200), 2);
    EXPECT_EQ(pictureRatio(2, 1280, 960), 2);
    EXPECT_EQ(pictureRatio(2, 1601, 1200), 1);
    EXPECT_EQ(pictureRatio(2, 1600, 1199), 1);
    EXPECT_EQ(pictureRatio(1, 1600, 1200), 1);
    EXPECT_EQ(pictureRatio(2, 0, 0), 1);
    EXPECT_EQ(pictureRatio(2, -4, 6), 1);
}

} // namespace
} // namespace quillan
