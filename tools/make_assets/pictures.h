#pragma once
#include <QString>

namespace make_assets {

// Paints every background into folder/pics and the custom backs into folder/pics/backs.
// Pictures meant as GIF files are written as PNG with ".gif.png" appended; the script turns
// them into GIF (Qt has no GIF writer).
bool writePictures(const QString& folder);

} // namespace make_assets
