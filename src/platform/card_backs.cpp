// Back designs: the white card, the framed field, and the choice of design.
#include "platform/card_art.h"
#include "platform/card_back_designs.h"

namespace quillan::card_art {
namespace {

constexpr QRectF kField(4.0, 4.0, backs::kFieldW, backs::kFieldH);
constexpr int kEmptyPlaceDesign = 53;

void paintDesign(QPainter& p, int design, int frame) {
    switch (design) {
    case 53:
        return backs::hatch(p);
    case 54:
        return backs::plaid(p);
    case 55:
        return backs::weave(p);
    case 56:
        return backs::robot(p);
    case 57:
        return backs::roses(p);
    case 58:
        return backs::ivy(p, QColor(0x14, 0x16, 0x18));
    case 59:
        return backs::ivy(p, QColor(0x1E, 0x3C, 0x8C));
    case 60:
        return backs::fish(p, QColor(0x3C, 0xC8, 0xD8), QColor(0x10, 0x8A, 0xA8));
    case 61:
        return backs::fish(p, QColor(0x2A, 0x5C, 0xC8), QColor(0x0E, 0x22, 0x6A));
    case 62:
        return backs::shell(p);
    case 63:
        return backs::castle(p);
    case 64:
        return backs::beach(p, frame);
    default:
        return backs::sleeve(p, frame);
    }
}

} // namespace

void paintBack(QPainter& p, int design, int frame) {
    p.save();
    // The design that marks empty places is laid with white as the transparent colour: it is
    // painted unsmoothed, so no pale fringe of its edges is left on the table.
    if (design == kEmptyPlaceDesign) {
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    paintBlankCard(p, Qt::white);
    QPainterPath field;
    field.addRoundedRect(kField, 3.0, 3.0);
    p.save();
    p.setClipPath(field);
    p.translate(kField.topLeft());
    paintDesign(p, design, frame);
    p.restore();
    if (design != kEmptyPlaceDesign) {
        p.save();
        p.setPen(QPen(QColor(0x30, 0x30, 0x38), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawPath(field);
        p.restore();
    }
    p.restore();
}

} // namespace quillan::card_art
