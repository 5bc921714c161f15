#pragma once
// How large the whole window is drawn: the player's "Table Size" choice and the automatic
// size that fits the screen. Sizes are percentages of the table's own size (800 x 600
// logical pixels); the table's layout never sees them, the window system scales it all.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace quillan {

// 0 stands for Automatic; the others are the listed percentages.
enum class TableSize {
    Automatic = 0,
    Percent100 = 100,
    Percent125 = 125,
    Percent150 = 150,
    Percent200 = 200
};

inline constexpr std::array<TableSize, 5> kTableSizes{TableSize::Automatic, TableSize::Percent100,
                                                      TableSize::Percent125, TableSize::Percent150,
                                                      TableSize::Percent200};

// The window at 100%: the 800 x 600 table under its menu bar, with room for a title bar.
inline constexpr int kWindowWidth = 800;
inline constexpr int kWindowHeight = 650;
// Automatic keeps the window within this share of the screen's free area, both ways.
inline constexpr double kScreenShare = 0.85;

// The stored text: "Automatic", "100", "125", "150" or "200".
std::string textFromTableSize(TableSize size);
// Any other text (missing, damaged, an unlisted number) reads as Automatic.
TableSize tableSizeFromText(std::string_view text);

// The largest listed percentage at which a `windowWidth` x `windowHeight` window fits within
// kScreenShare of a `screenWidth` x `screenHeight` free area; 100 when not even that fits.
int automaticTablePercent(int screenWidth, int screenHeight, int windowWidth = kWindowWidth,
                          int windowHeight = kWindowHeight);

// The percentage the window is drawn at: the choice itself, or the automatic size for the
// screen when the choice is Automatic (100 when the screen is not known).
int tablePercent(TableSize choice, std::optional<std::pair<int, int>> screen);

} // namespace quillan
