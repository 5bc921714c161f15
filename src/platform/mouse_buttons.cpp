#include "platform/mouse_buttons.h"

#include "platform/x_display.h"

namespace quillan {

std::optional<bool> pointerButtonsSwapped() {
#ifdef QUILLAN_HAVE_X11
    const XDisplayPtr display = openXDisplay();
    if (!display) {
        return std::nullopt;
    }
    unsigned char map[32] = {};
    const int buttons = XGetPointerMapping(display.get(), map, static_cast<int>(sizeof map));
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
