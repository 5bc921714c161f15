#pragma once
#include <QImage>

namespace make_assets {

// All 52 faces (a row per suit), highlighted samples, the 13 backs, the animation frames of
// backs 64 and 65 and each suit fanned at the narrowest hand spacing, drawn at the given
// device pixel ratio on a felt-green sheet.
QImage contactSheet(qreal devicePixelRatio);

} // namespace make_assets
