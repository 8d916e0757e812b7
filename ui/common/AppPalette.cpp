#include "AppPalette.h"

#include <QApplication>
#include <QStyle>

namespace {
// The palette kesh found at start, to come back to from dark.
QPalette& platformPalette() {
    static QPalette palette = QApplication::palette();
    return palette;
}
} // namespace

QPalette AppPalette::dark() {
    const QColor window(0x32, 0x33, 0x36);
    const QColor base(0x1f, 0x20, 0x22);
    const QColor text(0xe8, 0xe8, 0xe8);
    const QColor dimmed(0x80, 0x82, 0x86);
    QPalette palette(window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, QColor(0x2a, 0x2b, 0x2e));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x3b, 0x3c, 0x40));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::BrightText, QColor(0xff, 0x80, 0x80));
    palette.setColor(QPalette::ToolTipBase, QColor(0x3f, 0x41, 0x45));
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, dimmed);
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x7b, 0xd6));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x7c, 0xb4, 0xff));
    palette.setColor(QPalette::LinkVisited, QColor(0xb8, 0x9c, 0xf0));
    palette.setColor(QPalette::Light, QColor(0x4c, 0x4e, 0x52));
    palette.setColor(QPalette::Midlight, QColor(0x42, 0x44, 0x48));
    palette.setColor(QPalette::Mid, QColor(0x5a, 0x5c, 0x60));
    palette.setColor(QPalette::Dark, QColor(0x18, 0x19, 0x1a));
    palette.setColor(QPalette::Shadow, Qt::black);
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, dimmed);
    }
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x4a, 0x4c, 0x50));
    return palette;
}

void AppPalette::apply(Scheme scheme) {
    const QPalette& platform = platformPalette();
    switch (scheme) {
    case Scheme::Dark:
        QApplication::setPalette(dark());
        break;
    case Scheme::Light:
        // A desktop may say light while its platform theme is dark: the style's own colours are light.
        QApplication::setPalette(isDark(platform) ? QApplication::style()->standardPalette() : platform);
        break;
    case Scheme::Platform:
        QApplication::setPalette(platform);
        break;
    }
}

bool AppPalette::isDark(const QPalette& palette) {
    return palette.color(QPalette::Base).lightnessF() < 0.5f;
}

bool AppPalette::isDark() {
    return isDark(QApplication::palette());
}
