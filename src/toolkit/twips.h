// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Window geometry is written in twips, 1440 to the inch. At the toolkit's 96 logical dots per inch
// that is 15 twips to one device-independent pixel; the platform's high-dpi scaling does the rest.

#include <cmath>

namespace galvix::toolkit {

inline constexpr int TwipsPerPixel = 15;

// Rounds to the nearest pixel, halves away from zero, so that 7 twips and -7 twips mirror.
[[nodiscard]] constexpr int twipsToPixels(int twips)
{
    const int half = TwipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / TwipsPerPixel : -((-twips + half) / TwipsPerPixel);
}

[[nodiscard]] constexpr int pixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

} // namespace galvix::toolkit
