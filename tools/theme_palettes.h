// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop themes the windows must stay readable under, as the palettes Qt hands the program:
// Qt's own light palette, the dark palette Debian 12's Qt (6.4) makes of Adwaita:dark through the
// GTK platform theme (read from it under Xvfb), and the colours GTK's Adwaita-dark, HighContrast
// and HighContrastInverse style sheets define, which a Qt that reads GTK's colours (Debian 13's)
// passes on.

#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <array>
#include <memory>
#include <utility>
#include <vector>

namespace galvix::tools {

struct ThemePalette {
    const char* name;
    QPalette palette;
};

struct ThemeColours {
    const char* name;
    // Window, WindowText, Base, Text, Button, ButtonText, Highlight, HighlightedText, Link.
    std::array<QRgb, 9> colours;
};

inline constexpr std::array<ThemeColours, 4> GtkThemes{{
    {"AdwaitaDarkQt64", {0x323232, 0xf0f0f0, 0x242424, 0xf0f0f0, 0x323232, 0xf0f0f0, 0x308cc6, 0xf0f0f0, 0x308cc6}},
    {"AdwaitaDark", {0x353535, 0xeeeeec, 0x2d2d2d, 0xffffff, 0x353535, 0xeeeeec, 0x15539e, 0xffffff, 0x3584e4}},
    {"HighContrast", {0xfdfdfc, 0x272c2e, 0xffffff, 0x000000, 0xfdfdfc, 0x272c2e, 0x1b6acb, 0xffffff, 0x1b6acb}},
    {"HighContrastInverse",
     {0x303030, 0xf3f3f1, 0x2d2d2d, 0xffffff, 0x303030, 0xf3f3f1, 0x0f3b71, 0xffffff, 0x3584e4}},
}};

// Qt's light palette first, then the GTK themes over it.
[[nodiscard]] inline std::vector<ThemePalette> themePalettes()
{
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette light = fusion->standardPalette();
    std::vector<ThemePalette> themes{{"QtLight", light}};
    constexpr std::array<QPalette::ColorRole, 9> Roles{
        QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text, QPalette::Button,
        QPalette::ButtonText, QPalette::Highlight, QPalette::HighlightedText, QPalette::Link};
    for (const ThemeColours& theme : GtkThemes) {
        QPalette palette = light;
        for (std::size_t i = 0; i < Roles.size(); ++i)
            palette.setColor(Roles[i], QColor::fromRgb(theme.colours[i]));
        themes.push_back({theme.name, palette});
    }
    return themes;
}

} // namespace galvix::tools
