#include "table/table_size_rules.h"

#include <algorithm>

namespace quillan {

namespace {

constexpr std::string_view kAutomaticText = "Automatic";

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

} // namespace quillan
