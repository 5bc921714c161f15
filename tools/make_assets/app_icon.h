#pragma once
#include <QString>

namespace make_assets {

// The program's icon, a fan of three cards on a round green cloth: a scalable SVG and PNGs
// of 16 to 512 pixels, written as folder/hicolor/<size>/apps/<id>.(svg|png).
bool writeIcons(const QString& folder);

} // namespace make_assets
