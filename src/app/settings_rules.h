#pragma once
// How the settings store's texts become the main window's values and back. The store
// holds only texts; a missing key reads as its default text, a text that is not a number
// in a numeric key reads as that key's default value.

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/settings.h"

namespace quillan {

// Reads one key: (key, default text) -> stored text.
using SettingReader = std::function<std::string(const std::string& key, const std::string& def)>;
using StoredSetting = std::pair<std::string, std::string>; // key, text

// Any text other than exactly "False" is true.
int16 flagFromText(std::string_view text);
std::string textFromFlag(int16 flag);

int32 outlineColourFromText(std::string_view text);
int16 cardSpaceFromText(std::string_view text);
int32 backFaceFromText(std::string_view text, int32 design);
int32 animationDelayFromText(std::string_view text);
std::string backgroundFromText(std::string_view text, std::string_view whenEmpty);
int16 scrollValFromText(std::string_view text);
// The mouse-swap answer: exactly "0" means not swapped (prfMouseRightLeft true).
int16 mouseRightLeftFromText(std::string_view text);

// Reads every key the main window loads, in its order (prfHideDesktop excepted: the
// start-up sequence reads it after the splash).
Settings readSettings(const SettingReader& read);

// The keys written at close, in order; empty texts are left out.
std::vector<StoredSetting> settingsToWrite(const Settings& s);

// The key that records whether the mouse buttons were swapped (it ends in a blank).
inline constexpr const char* kMouseRightLeftKey = "prfMouseRightLeft ";

} // namespace quillan
