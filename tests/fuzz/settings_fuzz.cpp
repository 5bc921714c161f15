// The settings texts, for every key: whatever text a key holds (or its absence) reads to a
// value that the program writes back as a text reading to the same value, and writes the
// same text again. The input is cut into one text a key at the byte 0x1E; a key whose
// text starts with 0x1F is missing from the store.
#include <map>
#include <string>

#include "app/settings_rules.h"
#include "fuzz_target.h"

using namespace quillan;

namespace {

constexpr char kNextKey = '\x1e';
constexpr char kMissing = '\x1f';

std::vector<std::string> texts(const std::string& input) {
    std::vector<std::string> out(1);
    for (const char c : input) {
        if (c == kNextKey) {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> parts =
        texts(std::string(reinterpret_cast<const char*>(data), size));
    std::size_t asked = 0;
    const SettingReader fromInput = [&](const std::string&, const std::string& def) {
        const std::string& text = parts[asked++ % parts.size()];
        return (!text.empty() && text[0] == kMissing) ? def : text;
    };
    const Settings first = readSettings(fromInput);
    const std::vector<StoredSetting> written = settingsToWrite(first);
    std::map<std::string, std::string> store(written.begin(), written.end());
    const SettingReader fromStore = [&](const std::string& key, const std::string& def) {
        const auto it = store.find(key);
        return it == store.end() ? def : it->second;
    };
    const Settings second = readSettings(fromStore);
    fuzz::require(settingsToWrite(second) == written,
                  "a value written back does not read to the same value");
    // prfHideDesktop is read by the start-up sequence, not readSettings.
    const int16 hide = flagFromText(parts[0]);
    fuzz::require(flagFromText(textFromFlag(hide)) == hide, "prfHideDesktop does not round-trip");
    return 0;
}

std::vector<std::string> quillan::fuzz::seeds() {
    const std::string k(1, kNextKey);
    return {"&H0000FF00&" + k + "16" + k + k + k + "False" + k + "False" + k + "54" + k + "65",
            "65280" + k + "0" + k + "back.jpg" + k + "x.bmp" + k + "True" + k + "true" + k + "-1" +
                k + "&HFFFFFFFF&" + k + "False",
            "12.5" + k + "41" + k + "32767" + k + "-32768" + k + "99999999999" + k + " 7 " + k +
                "&H7FFFFFFF" + k + "2147483648"};
}
