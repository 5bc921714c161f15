#pragma once
// The card-drawing library: paints card faces (0..51, value = (rank - 1) * 4 + suit),
// back designs (53..65) and the animation frames of backs 64 and 65. Cards are
// 71 x 96 logical pixels. Each picture is drawn once as vectors per device pixel ratio and
// kept as a pixmap, so painting a card again is a plain pixmap copy.

#include <QPainter>
#include <QPixmap>
#include <QRgb>
#include <compare>
#include <map>

#include "common/int16.h"

namespace quillan {

class CardLibrary {
  public:
    static constexpr int kWidth = 71;
    static constexpr int kHeight = 96;
    static constexpr int kModeFace = 0;
    static constexpr int kModeBack = 1;
    static constexpr int kModeHighlight = 2;

    // Fills the card size in pixels; returns true.
    bool cdtInit(int32& width, int32& height);
    // Paints a face (mode 0), a back design (mode 1) or a highlighted face (mode 2) with its
    // top-left corner at (x, y). An index outside the mode's range draws nothing.
    void cdtDraw(QPainter& target, int x, int y, int card, int mode, QRgb colour = 0xFFFFFF);
    // Paints frame 0..3 of animated back 64 or 65.
    void cdtAnimate(QPainter& target, int design, int x, int y, int frame);
    // Releases what the painter holds.
    void cdtTerm();

    // The picture of one card at the given device pixel ratio (null for an invalid request).
    QPixmap picture(int card, int mode, int frame, qreal devicePixelRatio);
    // Number of pictures held.
    std::size_t cachedCount() const { return cache_.size(); }

    static bool isValid(int card, int mode, int frame);

  private:
    struct Key {
        int card;
        int mode;
        int frame;
        int ratioPercent;
        auto operator<=>(const Key&) const = default;
    };

    static QPixmap render(const Key& key, qreal devicePixelRatio);
    void blit(QPainter& target, int x, int y, int card, int mode, int frame);

    std::map<Key, QPixmap> cache_;
};

} // namespace quillan
