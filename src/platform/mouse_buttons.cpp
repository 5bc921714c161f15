#include "platform/mouse_buttons.h"

#ifdef QUILLAN_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace quillan {

std::optional<bool> pointerButtonsSwapped() {
#ifdef QUILLAN_HAVE_X11
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        return std::nullopt;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return std::nullopt;
    }
    unsigned char map[32] = {};
    const int buttons = XGetPointerMapping(display, map, static_cast<int>(sizeof map));
    XCloseDisplay(display);
    if (buttons < 3) {
        return std::nullopt;
    }
    return map[0] == 3;
#else
    return std::nullopt;
#endif
}

QString readRegistryValue(const QString& root, const QString& keyPath, const QString& valueName,
                          const QString& typeLetter, const QString& defaultValue) {
    if (root.toUpper() != QStringLiteral("HKCU") ||
        keyPath.compare(QStringLiteral("Control Panel\\Mouse"), Qt::CaseInsensitive) != 0 ||
        valueName.compare(QStringLiteral("SwapMouseButtons"), Qt::CaseInsensitive) != 0 ||
        typeLetter.toUpper() != QStringLiteral("S")) {
        return defaultValue;
    }
    const auto swapped = pointerButtonsSwapped();
    if (!swapped) {
        return defaultValue;
    }
    return *swapped ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace quillan
