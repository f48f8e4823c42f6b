// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/placement.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "toolkit/twips.h"

namespace galvix::app {

namespace {

struct Entry {
    std::string_view key;
    float Placement::*member;
};

// The order of these entries is the order they are read and written in.
constexpr std::array<Entry, 4> Entries{{
    {PlacementKeys.left, &Placement::left},
    {PlacementKeys.top, &Placement::top},
    {PlacementKeys.width, &Placement::width},
    {PlacementKeys.height, &Placement::height},
}};

// How much of the window's top band (its title bar and menu) must lie on a screen for the window to
// be reachable with the mouse: 450 twips high, 1500 twips (100 pixels) wide.
constexpr double TitleBandHeight = 450;
constexpr double ReachableWidth = 1500;

// The largest size a window system takes, in pixels (Qt's QWIDGETSIZE_MAX).
constexpr int MaximumPixels = (1 << 24) - 1;

// Screen edges are added in double precision.
bool titleBandOnScreen(const Placement& placement, const TwipsRect& screen)
{
    const double bandBottom = placement.top + std::min<double>(placement.height, TitleBandHeight);
    const double overlapWidth
        = std::min<double>(placement.left + placement.width, double{screen.left} + screen.width)
          - std::max<double>(placement.left, screen.left);
    const double overlapTop = std::max<double>(placement.top, screen.top);
    const double overlapBottom = std::min(bandBottom, double{screen.top} + screen.height);
    return overlapWidth >= std::min<double>(ReachableWidth, placement.width) && overlapBottom > overlapTop;
}

bool sizeFits(double size, double minimum, double maximum) { return size >= minimum && size <= maximum; }

} // namespace

std::string singleToText(float value)
{
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (error != std::errc{})
        return "0";
    return {buffer.data(), end};
}

std::optional<float> textToSingle(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    text = text.substr(first, text.find_last_not_of(" \t") - first + 1);
    if (text.starts_with('+'))
        text.remove_prefix(1);
    float value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

Placement readPlacement(const platform::SettingsStore& store, std::string_view application)
{
    Placement placement = DefaultPlacement;
    for (const Entry& entry : Entries) {
        const float fallback = DefaultPlacement.*entry.member;
        const std::string text = store.read(application, SettingsSection, entry.key, singleToText(fallback));
        placement.*entry.member = textToSingle(text).value_or(fallback);
    }
    return placement;
}

void writePlacement(platform::SettingsStore& store, std::string_view application, const Placement& placement,
                    SavedParts parts)
{
    for (const Entry& entry : Entries) {
        const bool isPosition = entry.member == &Placement::left || entry.member == &Placement::top;
        if (isPosition && parts == SavedParts::SizeOnly)
            continue;
        store.write(application, SettingsSection, entry.key, singleToText(placement.*entry.member));
    }
}

PixelFrame toPixelFrame(const Placement& placement)
{
    const auto pixels = [](float twips) {
        const double rounded = std::round(static_cast<double>(twips) / toolkit::TwipsPerPixel);
        return static_cast<int>(std::clamp(rounded, -double{MaximumPixels}, double{MaximumPixels}));
    };
    return {pixels(placement.left), pixels(placement.top), pixels(placement.width), pixels(placement.height)};
}

Placement placementToSave(const Placement& restored, const PixelFrame& applied, const PixelFrame& now)
{
    const auto keep = [](float restoredValue, int appliedPixels, int nowPixels) {
        return appliedPixels == nowPixels ? restoredValue
                                          : static_cast<float>(toolkit::pixelsToTwips(nowPixels));
    };
    return {keep(restored.left, applied.left, now.left), keep(restored.top, applied.top, now.top),
            keep(restored.width, applied.width, now.width), keep(restored.height, applied.height, now.height)};
}

bool platformPlacesWindows(std::string_view platformName) { return !platformName.starts_with("wayland"); }

Placement fitToScreens(const Placement& placement, const PlacementLimits& limits)
{
    Placement fitted = placement;
    if (!sizeFits(fitted.width, limits.minimumWidth, limits.maximumWidth)
        || !sizeFits(fitted.height, limits.minimumHeight, limits.maximumHeight)) {
        fitted.width = DefaultPlacement.width;
        fitted.height = DefaultPlacement.height;
    }
    if (limits.screens.empty())
        return fitted;
    const bool reachable = std::ranges::any_of(
        limits.screens, [&fitted](const TwipsRect& screen) { return titleBandOnScreen(fitted, screen); });
    if (reachable)
        return fitted;

    // Off every screen: put it where a first start would, on the primary screen, and pull it back
    // in if that screen is too small to hold it there.
    const TwipsRect& primary = limits.screens.front();
    const double primaryLeft = primary.left;
    const double primaryTop = primary.top;
    const double left = std::min(primaryLeft + DefaultPlacement.left, primaryLeft + primary.width - fitted.width);
    const double top = std::min(primaryTop + DefaultPlacement.top, primaryTop + primary.height - fitted.height);
    fitted.left = static_cast<float>(std::max(left, primaryLeft));
    fitted.top = static_cast<float>(std::max(top, primaryTop));
    return fitted;
}

} // namespace galvix::app
