#pragma once
// The thirteen back designs. Each paints the inner field of a back, a 63 x 88 rectangle
// at (0, 0); the caller clips to it and frames it.

#include <QPainter>

namespace quillan::card_art::backs {

inline constexpr qreal kFieldW = 63.0;
inline constexpr qreal kFieldH = 88.0;

void hatch(QPainter& p);
void plaid(QPainter& p);
void weave(QPainter& p);
void robot(QPainter& p);
void roses(QPainter& p);
void ivy(QPainter& p, const QColor& ground);
void fish(QPainter& p, const QColor& water, const QColor& deep);
void shell(QPainter& p);
void castle(QPainter& p);
void beach(QPainter& p, int frame);
void sleeve(QPainter& p, int frame);

} // namespace quillan::card_art::backs
