#include "table/table_size_rules.h"

#include <algorithm>
#include <charconv>

namespace quillan {

namespace {

constexpr std::string_view kAutomaticText = "Automatic";
constexpr int kBaseDpi = 96;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

} // namespace

std::string textFromTableSize(TableSize size) {
    if (size == TableSize::Automatic) {
        return std::string(kAutomaticText);
    }
    return std::to_string(static_cast<int>(size));
}

TableSize tableSizeFromText(std::string_view text) {
    for (const TableSize size : kTableSizes) {
        if (textFromTableSize(size) == text) {
            return size;
        }
    }
    return TableSize::Automatic;
}

int automaticTablePercent(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    int best = static_cast<int>(TableSize::Percent100);
    for (const TableSize size : kTableSizes) {
        const int percent = static_cast<int>(size);
        if (percent == 0) {
            continue;
        }
        const double scale = percent / 100.0;
        if (windowWidth * scale <= screenWidth * kScreenShare &&
            windowHeight * scale <= screenHeight * kScreenShare) {
            best = std::max(best, percent);
        }
    }
    return best;
}

int tablePercent(TableSize choice, std::optional<std::pair<int, int>> screen) {
    if (choice != TableSize::Automatic) {
        return static_cast<int>(choice);
    }
    if (!screen) {
        return static_cast<int>(TableSize::Percent100);
    }
    return automaticTablePercent(screen->first, screen->second);
}

double desktopScaleFromResources(std::string_view resources) {
    constexpr std::string_view kName = "Xft.dpi:";
    while (!resources.empty()) {
        const auto end = resources.find('\n');
        const std::string_view line = trimmed(resources.substr(0, end));
        resources = end == std::string_view::npos ? std::string_view{} : resources.substr(end + 1);
        if (!line.starts_with(kName)) {
            continue;
        }
        const std::string_view value = trimmed(line.substr(kName.size()));
        double dpi = 0;
        const auto [rest, error] = std::from_chars(value.data(), value.data() + value.size(), dpi);
        // The window system never shrinks below its own size; a dpi beyond reason is a typo.
        const bool usable = error == std::errc{} && rest == value.data() + value.size() &&
                            dpi > kBaseDpi && dpi <= kBaseDpi * 8.0;
        return usable ? dpi / kBaseDpi : 1.0;
    }
    return 1.0;
}

} // namespace quillan
