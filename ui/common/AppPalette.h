#pragma once

#include <QPalette>

// kesh's colours, set for the whole application in this one place: the
// platform's own, or a dark set when the desktop prefers dark. Widgets that
// paint colours of their own read them from their palette and repaint when
// it changes, so they follow.
class AppPalette {
public:
    enum class Scheme { Platform, Light, Dark };

    static void apply(Scheme scheme);
    static QPalette dark();
    // Dark text on light ground or the other way round, whichever the palette is.
    static bool isDark(const QPalette& palette);
    static bool isDark();
};
