#pragma once
// A connection to the X server that DISPLAY names, closed when it goes out of scope.
// Include after the Qt headers: Xlib defines macros (None, Bool, Status) that clash with them.

#ifdef QUILLAN_HAVE_X11
#include <QtGlobal>
#include <X11/Xlib.h>
#include <memory>

namespace quillan {

struct XDisplayCloser {
    void operator()(Display* display) const { XCloseDisplay(display); }
};
using XDisplayPtr = std::unique_ptr<Display, XDisplayCloser>;

// Null when there is no X server to ask.
inline XDisplayPtr openXDisplay() {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        return nullptr;
    }
    return XDisplayPtr(XOpenDisplay(nullptr));
}

} // namespace quillan
#endif
