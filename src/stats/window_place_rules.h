#pragma once
// Where the Statistics window opens: at a size the screen holds, beside the main window
// where there is room, else centred on it, never over the screen's edge.

namespace quillan {

struct PlaceRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool operator==(const PlaceRect&) const = default;
};

inline constexpr int kPlaceGap = 8; // between the main window and the one beside it

// `main` is the main window's frame, `screen` the screen's free area, `wantedW` x `wantedH`
// the size the window would like. The size is kept within 90% of the free area; the window
// goes to the right of the main window where it fits whole, else to its left, else centred
// on the main window; in every case moved inside the free area. Tops are the main window's
// top when beside it.
PlaceRect placeBesideMain(const PlaceRect& main, int wantedW, int wantedH, const PlaceRect& screen);

} // namespace quillan
