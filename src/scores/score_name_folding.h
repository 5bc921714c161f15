#pragma once
// Typed names brought into the code page that stats.dat stores them in.

#include <QString>

namespace quillan {

// The nearest code-page form of a typed name: a character the code page lacks gives its
// compatibility decomposition without accents when that is all code-page text ("ř" gives
// "r", a full-width "Ａ" gives "A"), or its letter without the stroke; anything else is left
// for fitName, which stores "?".
QString nearestCodePageForm(const QString& typed);

} // namespace quillan
