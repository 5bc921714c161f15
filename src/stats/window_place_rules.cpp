#include "stats/window_place_rules.h"

#include <algorithm>

namespace quillan {

namespace {

int keptInside(int start, int length, int areaStart, int areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

} // namespace

PlaceRect placeBesideMain(const PlaceRect& main, int wantedW, int wantedH,
                          const PlaceRect& screen) {
    PlaceRect place;
    place.w = std::max(1, std::min(wantedW, screen.w * 9 / 10));
    place.h = std::max(1, std::min(wantedH, screen.h * 9 / 10));
    const int right = main.x + main.w + kPlaceGap;
    const int left = main.x - kPlaceGap - place.w;
    if (right + place.w <= screen.x + screen.w) {
        place.x = right;
        place.y = main.y;
    } else if (left >= screen.x) {
        place.x = left;
        place.y = main.y;
    } else {
        place.x = main.x + (main.w - place.w) / 2;
        place.y = main.y + (main.h - place.h) / 2;
    }
    place.x = keptInside(place.x, place.w, screen.x, screen.w);
    place.y = keptInside(place.y, place.h, screen.y, screen.h);
    return place;
}

} // namespace quillan
