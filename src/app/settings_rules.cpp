#include "app/settings_rules.h"

#include <limits>

#include "app/text_number_rules.h"

namespace quillan {

namespace {

std::optional<int16> value16(std::string_view text) {
    const auto n = numberFromText(text);
    if (!n || *n < std::numeric_limits<int16>::min() || *n > std::numeric_limits<int16>::max()) {
        return std::nullopt;
    }
    return static_cast<int16>(*n);
}

std::optional<int32> value32(std::string_view text) {
    const auto n = numberFromText(text);
    if (!n || *n < std::numeric_limits<int32>::min() || *n > std::numeric_limits<int32>::max()) {
        return std::nullopt;
    }
    return static_cast<int32>(*n);
}

} // namespace

int16 flagFromText(std::string_view text) {
    return toFlag(text != "False");
}

std::string textFromFlag(int16 flag) {
    return isSet(flag) ? "True" : "False";
}

int32 outlineColourFromText(std::string_view text) {
    return value32(text).value_or(65280);
}

int16 cardSpaceFromText(std::string_view text) {
    const auto v = value16(text);
    if (!v || *v == 0) {
        return 16;
    }
    return *v;
}

int32 backFaceFromText(std::string_view text, int32 design) {
    const auto v = value32(text);
    return (!v || *v == 0) ? design : *v;
}

int32 animationDelayFromText(std::string_view text) {
    return value32(text).value_or(-1);
}

std::string backgroundFromText(std::string_view text, std::string_view whenEmpty) {
    return std::string(text.empty() ? whenEmpty : text);
}

int16 scrollValFromText(std::string_view text) {
    return value16(text).value_or(0);
}

int16 mouseRightLeftFromText(std::string_view text) {
    return toFlag(text == "0");
}

Settings readSettings(const SettingReader& read) {
    Settings s;
    const auto flag = [&](const char* key, const char* def) {
        return flagFromText(read(key, def));
    };
    s.prfCardOutlineColor = outlineColourFromText(read("prfCardOutlineColor", "&H0000FF00&"));
    s.prfCardSpace = cardSpaceFromText(read("prfCardSpace", "16"));
    s.prfQNCustomBackFace = read("prfQNCustomBackFace", "");
    s.prfPKCustomBackFace = read("prfPKCustomBackFace", "");
    s.prfIsQNCustomCardBack = flag("prfIsQNCustomCardBack", "False");
    s.prfIsPKCustomCardBack = flag("prfIsPKCustomCardBack", "False");
    s.prfQNBackFace = backFaceFromText(read("prfQNBackFace", "54"), 54);
    s.prfPKBackFace = backFaceFromText(read("prfPKBackFace", "65"), 65);
    s.prfShowPokerPlay = flag("prfShowPokerPlay", "False");
    s.prfOpOklahoma = flag("prfOpOklahoma", "False");
    s.prfOpStandard = flag("prfOpStandard", "True");
    s.prfOpQN = flag("prfOpQN", "False");
    s.prfQNScores = flag("prfQNScores", "True");
    s.prfPokerAutoDeal = flag("prfPokerAutoDeal", "False");
    s.isPoker = flag("isPoker", "True");
    s.prfShowHide = flag("prfShowHide", "True");
    s.prfAnimation = flag("prfAnimation", "True");
    s.prfQNAutoSort = flag("prfQNAutoSort", "True");
    s.prfSound = flag("prfSound", "True");
    s.prfAnimationDelay = animationDelayFromText(read("prfAnimationDelay", "-1"));
    s.prfQNBackground = backgroundFromText(read("prfQNBackground", "vangogh.jpg"), "beach.gif");
    s.prfPKBackground = backgroundFromText(read("prfPKBackground", "vpwood.jpg"), "qnwood.jpg");
    s.prfScrollVal = scrollValFromText(read("prfScrollVal", "0"));
    return s;
}

std::vector<StoredSetting> settingsToWrite(const Settings& s) {
    std::vector<StoredSetting> out;
    const auto text = [&](const char* key, const std::string& value) {
        if (!value.empty()) {
            out.emplace_back(key, value);
        }
    };
    const auto flag = [&](const char* key, int16 v) { out.emplace_back(key, textFromFlag(v)); };
    const auto number = [&](const char* key, int32 v) { out.emplace_back(key, std::to_string(v)); };
    flag("prfQNScores", s.prfQNScores);
    flag("prfIsQNCustomCardBack", s.prfIsQNCustomCardBack);
    flag("prfIsPKCustomCardBack", s.prfIsPKCustomCardBack);
    flag("prfHideDesktop", s.prfHideDesktop);
    text("prfQNCustomBackFace", s.prfQNCustomBackFace);
    text("prfPKCustomBackFace", s.prfPKCustomBackFace);
    number("prfCardOutlineColor", s.prfCardOutlineColor);
    number("prfCardSpace", s.prfCardSpace);
    number("prfScrollVal", s.prfScrollVal);
    number("prfQNBackFace", s.prfQNBackFace);
    number("prfPKBackFace", s.prfPKBackFace);
    flag("prfShowPokerPlay", s.prfShowPokerPlay);
    flag("prfPokerAutoDeal", s.prfPokerAutoDeal);
    flag("prfAnimation", s.prfAnimation);
    flag("prfQNAutoSort", s.prfQNAutoSort);
    flag("prfShowHide", s.prfShowHide);
    flag("prfSound", s.prfSound);
    flag("isPoker", s.isPoker);
    number("prfAnimationDelay", s.prfAnimationDelay);
    text("prfQNBackground", s.prfQNBackground);
    text("prfPKBackground", s.prfPKBackground);
    flag("prfOpQN", s.prfOpQN);
    flag("prfOpStandard", s.prfOpStandard);
    flag("prfOpOklahoma", s.prfOpOklahoma);
    out.emplace_back(kMouseRightLeftKey, isSet(s.prfMouseRightLeft) ? "0" : "1");
    return out;
}

} // namespace quillan
