// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How far a text stands out from the colour it is drawn on, as WCAG 2.1 measures it, and the least
// change of lightness that makes it stand out far enough. Plain arithmetic on sRGB triples, so that
// the rule can be checked without a window.

#include <cstdint>

namespace galvix::toolkit {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The contrast WCAG 2.1 asks of normal-sized text (level AA).
inline constexpr double MinimumTextContrast = 4.5;

// The contrast the table colours are given. Small text is drawn with its edges blended into the
// ground, so even its strongest pixels stand out less than its colour: colours at 4.5:1 showed
// 4.2 to 4.45:1 on screen. Aiming at 5:1 keeps what the screen shows at 4.5:1 or more.
inline constexpr double ColouredTextContrast = 5.0;

// WCAG 2.1's relative luminance: 0 for black, 1 for white.
[[nodiscard]] double relativeLuminance(Rgb colour);

// WCAG 2.1's contrast ratio, from 1:1 (the same lightness) to 21:1 (black on white); symmetric.
[[nodiscard]] double contrastRatio(Rgb first, Rgb second);

// A text colour and the ground it is drawn on.
struct TextOnGround {
    Rgb text;
    Rgb ground;

    friend constexpr bool operator==(const TextOnGround&, const TextOnGround&) = default;
};

// Whether the ground belongs to the theme (a window's or a field's own background, which other
// texts share) or to the control alone, and so may change with its text.
enum class Ground { Fixed, Movable };

// The pair made readable at `ratio`, each colour keeping its hue: a pair that already reaches it
// is returned as it is. Otherwise the text is mixed with white if it is lighter than the ground
// (or as light), with black if darker, just enough to reach the ratio. If even white or black
// falls short: a movable ground is mixed the other way, just enough, under the white or black
// text; under a fixed ground the text crosses to the other side of the ground instead, again just
// far enough, or as far as it goes (some side always reaches 4.58:1, whatever the ground).
[[nodiscard]] TextOnGround readable(Rgb text, Rgb ground, Ground kind, double ratio = ColouredTextContrast);

} // namespace galvix::toolkit
