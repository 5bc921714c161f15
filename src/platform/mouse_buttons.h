#pragma once
// The small registry reader of the program. On this host the only value it can answer is
// whether the mouse buttons are swapped ("Control Panel\Mouse", "SwapMouseButtons"),
// taken from the X server's pointer mapping; every other read returns its default.

#include <QString>
#include <optional>

namespace quillan {

// True when the X server maps the first physical button to the right-button action;
// nothing when there is no X server to ask.
std::optional<bool> pointerButtonsSwapped();

QString readRegistryValue(const QString& root, const QString& keyPath, const QString& valueName,
                          const QString& typeLetter, const QString& defaultValue);

} // namespace quillan
