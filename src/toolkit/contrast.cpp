// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/contrast.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace galvix::toolkit {

namespace {

double linear(std::uint8_t channel)
{
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

std::uint8_t mixChannel(std::uint8_t from, std::uint8_t to, double share)
{
    const double mixed = from + (to - from) * share;
    return static_cast<std::uint8_t>(std::lround(mixed));
}

// The colour `share` of the way from `from` to `to`, channel by channel: towards black or white
// that keeps the hue.
Rgb mix(Rgb from, Rgb to, double share)
{
    return {mixChannel(from.red, to.red, share), mixChannel(from.green, to.green, share),
            mixChannel(from.blue, to.blue, share)};
}

constexpr Rgb White{255, 255, 255};
constexpr Rgb Black{0, 0, 0};

// The least mix of `colour` with `end` that the test accepts, or nothing if even `end` itself
// fails. The test must hold from some share on and for every share beyond it.
template <class Test>
std::optional<Rgb> leastMix(Rgb colour, Rgb end, Test accepts)
{
    if (!accepts(end))
        return std::nullopt;
    double failing = 0;
    double passing = 1;
    // Twenty halvings put the two shares closer than one step of an 8-bit channel.
    for (int step = 0; step < 20; ++step) {
        const double middle = (failing + passing) / 2;
        (accepts(mix(colour, end, middle)) ? passing : failing) = middle;
    }
    return mix(colour, end, passing);
}

// The least mix of the text with white (lighter) or black, on the ground, that reaches the ratio
// while staying on that side of the ground.
std::optional<Rgb> textTowards(bool lighter, Rgb text, Rgb ground, double ratio)
{
    const double groundLuminance = relativeLuminance(ground);
    return leastMix(text, lighter ? White : Black, [&](Rgb candidate) {
        const double luminance = relativeLuminance(candidate);
        const bool onItsSide = lighter ? luminance >= groundLuminance : luminance <= groundLuminance;
        return onItsSide && contrastRatio(candidate, ground) >= ratio;
    });
}

} // namespace

double relativeLuminance(Rgb colour)
{
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) + 0.0722 * linear(colour.blue);
}

double contrastRatio(Rgb first, Rgb second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

TextOnGround readable(Rgb text, Rgb ground, Ground kind, double ratio)
{
    if (contrastRatio(text, ground) >= ratio)
        return {text, ground};
    const bool lighter = relativeLuminance(text) >= relativeLuminance(ground);
    if (const std::optional<Rgb> moved = textTowards(lighter, text, ground, ratio))
        return {*moved, ground};
    if (kind == Ground::Movable) {
        const Rgb end = lighter ? White : Black;
        const std::optional<Rgb> groundMoved = leastMix(
            ground, lighter ? Black : White, [&](Rgb candidate) { return contrastRatio(end, candidate) >= ratio; });
        return {end, groundMoved.value_or(ground)};
    }
    return {textTowards(!lighter, text, ground, ratio).value_or(lighter ? Black : White), ground};
}

} // namespace galvix::toolkit
