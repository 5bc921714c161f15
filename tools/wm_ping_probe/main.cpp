// wm_ping_probe: asks a window, as a window manager does, whether its program is still
// answering (_NET_WM_PING) every few milliseconds for a while, and prints the longest time any
// ask went unanswered. Used by scripts/measure-deal-pings.sh.
//
//   wm_ping_probe WINDOW-ID SECONDS [INTERVAL-MS]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <poll.h>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point t) {
    return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

void sendPing(Display* display, Window window, Atom protocols, Atom ping, long serial) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = protocols;
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(ping);
    event.xclient.data.l[1] = serial; // the time stamp field carries our number
    event.xclient.data.l[2] = static_cast<long>(window);
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s WINDOW-ID SECONDS [INTERVAL-MS]\n", argv[0]);
        return 2;
    }
    const Window window = std::strtoul(argv[1], nullptr, 0);
    const double seconds = std::atof(argv[2]);
    const int interval = argc > 3 ? std::atoi(argv[3]) : 10;
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    const Atom protocols = XInternAtom(display, "WM_PROTOCOLS", False);
    const Atom ping = XInternAtom(display, "_NET_WM_PING", False);
    // The answers go to the root window, to those that watch its structure.
    XSelectInput(display, root, StructureNotifyMask | SubstructureNotifyMask);

    std::map<long, Clock::time_point> open; // pings not yet answered
    const auto start = Clock::now();
    auto nextPing = start;
    long serial = 1;
    long sent = 0;
    long answered = 0;
    double longest = 0;
    while (msSince(start) < seconds * 1000.0) {
        if (Clock::now() >= nextPing) {
            open[serial] = Clock::now();
            sendPing(display, window, protocols, ping, serial++);
            ++sent;
            nextPing += std::chrono::milliseconds(interval);
        }
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == ClientMessage && event.xclient.message_type == protocols &&
                static_cast<Atom>(event.xclient.data.l[0]) == ping) {
                const auto it = open.find(event.xclient.data.l[1]);
                if (it != open.end()) {
                    longest = std::max(longest, msSince(it->second));
                    open.erase(it);
                    ++answered;
                }
            }
        }
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, 1);
    }
    for (const auto& [number, when] : open) { // still waiting at the end
        longest = std::max(longest, msSince(when));
    }
    std::printf("pings %ld answered %ld longest-unanswered-ms %.0f\n", sent, answered, longest);
    XCloseDisplay(display);
    return 0;
}
