#include "platform/table_scale.h"

#include <QByteArray>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

#include "platform/table_size_store.h"
#include "table/scale_factor_rules.h"
#include "table/table_size_rules.h"

#include "platform/x_display.h"
#ifdef QUILLAN_HAVE_X11
#include <X11/Xatom.h>
#endif

namespace quillan {

namespace {

#ifdef QUILLAN_HAVE_X11
// The desktop's work area (_NET_WORKAREA of the first desktop), when a window manager gives one.
std::optional<std::pair<int, int>> workArea(Display* display, int screen) {
    const Atom property = XInternAtom(display, "_NET_WORKAREA", True);
    if (property == None) {
        return std::nullopt;
    }
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const int status =
        XGetWindowProperty(display, RootWindow(display, screen), property, 0, 4, False, XA_CARDINAL,
                           &type, &format, &count, &after, &data);
    std::optional<std::pair<int, int>> area;
    if (status == Success && type == XA_CARDINAL && format == 32 && count >= 4) {
        const auto* values = reinterpret_cast<const long*>(data); // format 32 comes as long
        if (values[2] > 0 && values[3] > 0) {
            area = std::pair{static_cast<int>(values[2]), static_cast<int>(values[3])};
        }
    }
    if (data != nullptr) {
        XFree(data);
    }
    return area;
}

// A busy X server now and then refuses a new client for a moment; the table's size is worth a
// few short tries before the window is drawn at 100%.
XDisplayPtr openXDisplayPatiently() {
    constexpr int kTries = 5;
    for (int attempt = 1;; ++attempt) {
        XDisplayPtr display = openXDisplay();
        if (display || attempt == kTries || qEnvironmentVariableIsEmpty("DISPLAY")) {
            return display;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
}
#endif

} // namespace

std::optional<std::pair<int, int>> freeScreenArea() {
#ifdef QUILLAN_HAVE_X11
    const XDisplayPtr display = openXDisplayPatiently();
    if (!display) {
        return std::nullopt;
    }
    const int screen = DefaultScreen(display.get());
    return workArea(display.get(), screen)
        .value_or(
            std::pair{DisplayWidth(display.get(), screen), DisplayHeight(display.get(), screen)});
#else
    return std::nullopt;
#endif
}

namespace {

int applyTableSizeChoice() {
    const TableSize choice = readTableSize();
    // Per-screen factors set in the environment leave no known screen to fit the table to.
    const bool screenKnown = qEnvironmentVariableIsEmpty("QT_SCREEN_SCALE_FACTORS");
    const int percent = tablePercent(
        choice, choice == TableSize::Automatic && screenKnown ? freeScreenArea() : std::nullopt);
    if (percent != 100) {
        qputenv("QT_SCALE_FACTOR", QByteArray::number(percent / 100.0));
    }
    return percent;
}

} // namespace

// A value of the player's that cannot draw the window is taken out of the environment before
// Qt reads it, and said once.
int applyTableSize() {
    if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        return applyTableSizeChoice();
    }
    const std::string value = qgetenv("QT_SCALE_FACTOR").toStdString();
    const std::string problem = scaleFactorProblem(value, freeScreenArea());
    if (problem.empty()) {
        return 0;
    }
    qunsetenv("QT_SCALE_FACTOR");
    const int percent = applyTableSizeChoice();
    std::fprintf(stderr, "%s\n", ignoredScaleFactorLine(value, problem, percent).c_str());
    return percent;
}

} // namespace quillan
