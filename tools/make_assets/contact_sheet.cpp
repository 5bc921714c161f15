#include "make_assets/contact_sheet.h"

#include <QPainter>

#include "platform/card_library.h"
#include "prefs/prefs_spacing_rules.h"

namespace make_assets {
namespace {

constexpr int kGap = 8;
constexpr int kColumns = 13;
constexpr int kRows = 8;
constexpr int kCellW = quillan::CardLibrary::kWidth + kGap;
constexpr int kCellH = quillan::CardLibrary::kHeight + kGap;

void drawRow(QPainter& p, quillan::CardLibrary& cards, int row, auto cardAt) {
    for (int column = 0; column < kColumns; ++column) {
        cardAt(p, cards, kGap + column * kCellW, kGap + row * kCellH, column);
    }
}

} // namespace

QImage contactSheet(qreal devicePixelRatio) {
    const QSize logical(kGap + kColumns * kCellW, kGap + kRows * kCellH);
    QImage sheet(logical * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    sheet.setDevicePixelRatio(devicePixelRatio);
    sheet.fill(QColor(0x1E, 0x5A, 0x32));
    quillan::CardLibrary cards;
    QPainter p(&sheet);
    for (int suit = 0; suit < 4; ++suit) {
        drawRow(p, cards, suit, [suit](QPainter& q, auto& lib, int x, int y, int column) {
            lib.cdtDraw(q, x, y, column * 4 + suit, quillan::CardLibrary::kModeFace);
        });
    }
    drawRow(p, cards, 4, [](QPainter& q, auto& lib, int x, int y, int column) {
        lib.cdtDraw(q, x, y, column * 4 + column % 4, quillan::CardLibrary::kModeHighlight);
    });
    drawRow(p, cards, 5, [](QPainter& q, auto& lib, int x, int y, int column) {
        lib.cdtDraw(q, x, y, 53 + column, quillan::CardLibrary::kModeBack);
    });
    drawRow(p, cards, 6, [](QPainter& q, auto& lib, int x, int y, int column) {
        if (column < 8) {
            lib.cdtAnimate(q, column < 4 ? 64 : 65, x, y, column % 4);
        }
    });
    // Last, each suit fanned as a hand at the narrowest spacing the Preferences allow.
    constexpr int kSpacing = quillan::kMinCardSpace;
    constexpr int kFanW = 12 * kSpacing + quillan::CardLibrary::kWidth;
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 0; rank < 13; ++rank) {
            cards.cdtDraw(p, kGap + suit * (kFanW + 2 * kGap) + rank * kSpacing, kGap + 7 * kCellH,
                          rank * 4 + suit, quillan::CardLibrary::kModeFace);
        }
    }
    return sheet;
}

} // namespace make_assets
