#include "table/outline_text.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace quillan {

void COutlineText::Class_Initialize() {
    DrawOutline = true;
    DrawFill = true;
    PenWidth = 1;
    PenColor = QColor(255, 255, 255);
    BrushColor = QColor(0, 0, 0);
}

void COutlineText::DrawText(QPainter& target, const QString& text, int32 x, int32 y) const {
    if (!DrawOutline && !DrawFill) {
        return;
    }
    const QFont font = target.font();
    QPainterPath path;
    path.addText(QPointF(x, y + QFontMetricsF(font).ascent()), font, text);
    target.save();
    target.setRenderHint(QPainter::Antialiasing, false);
    target.setPen(DrawOutline ? QPen(PenColor, PenWidth) : QPen(Qt::NoPen));
    target.setBrush(DrawFill ? QBrush(BrushColor) : QBrush(Qt::NoBrush));
    target.drawPath(path);
    target.restore();
}

void drawBankValue(QPainter& target, int16 value, QPoint labelTopLeft) {
    COutlineText outline;
    outline.PenColor = QColor(0, 0, 0);
    outline.BrushColor = QColor(200, 200, 200);
    outline.PenWidth = 1;
    outline.DrawText(target, QString::number(value), labelTopLeft.x(), labelTopLeft.y());
}

void drawBanks(QPixmap& windowImage, QPixmap& boardBuffer, const QFont& font, int16 computerBank,
               int16 playerBank, const BankPlaces& places) {
    for (QPixmap* target : {&windowImage, &boardBuffer}) {
        if (target->isNull()) {
            continue;
        }
        QPainter painter(target);
        painter.setFont(font);
        drawBankValue(painter, computerBank, places.computerLabel);
        drawBankValue(painter, playerBank, places.playerLabel);
    }
}

} // namespace quillan
