#pragma once
#include <QString>

namespace make_assets {

// The program's icon, a fan of three cards on a round green cloth: a scalable SVG and PNGs
// of 16 to 512 pixels, written as folder/hicolor/<size>/apps/<id>.(svg|png). The PNGs of 24
// pixels and less are drawn for their size: a card back and a heart card on the pixel grid.
bool writeIcons(const QString& folder);

} // namespace make_assets
