#pragma once
// Text painted as glyph outlines: stroked with a pen, filled with a brush. The Gin Rummy
// banks are drawn with it.

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include "common/int16.h"

class QPainter;

namespace quillan {

class COutlineText {
  public:
    COutlineText() { Class_Initialize(); }

    // Outline and fill on, pen width 1, white outline, black fill.
    void Class_Initialize();

    // Paints `text` in the target's current font with its top-left corner at (x, y).
    // With neither outline nor fill nothing is painted. The target's pen and brush are
    // left as they were.
    void DrawText(QPainter& target, const QString& text, int32 x, int32 y) const;

    bool DrawOutline = true;
    bool DrawFill = true;
    int32 PenWidth = 1;
    QColor PenColor;
    QColor BrushColor;
};

// Bank amounts: black outline of width 1, light grey (200, 200, 200) fill.
void drawBankValue(QPainter& target, int16 value, QPoint labelTopLeft);

// The drawing of UpdateBank: both banks, in `font`, at the top-left of their labels, on
// the window image and on the back buffer.
struct BankPlaces {
    QPoint computerLabel; // lblBankComputer
    QPoint playerLabel;   // lblBankPlayer
};
void drawBanks(QPixmap& windowImage, QPixmap& boardBuffer, const QFont& font, int16 computerBank,
               int16 playerBank, const BankPlaces& places);

} // namespace quillan
