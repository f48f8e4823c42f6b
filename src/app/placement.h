// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's remembered placement: left, top, width and height in twips, stored as the
// decimal text of single-precision numbers under four keys of one section of the program's settings.
// Reading mends what a damaged or foreign settings file could hold, so that the window always
// opens where it can be seen and used.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/application_info.h"
#include "platform/settings_store.h"

namespace galvix::app {

enum class Unit { Twips, Pixels };

// A rectangle by its left and top edges, width and height, in one unit. Twips are single-precision
// numbers because the settings store keeps the window's edges and size as the text of
// single-precision numbers: holding them the same way, what was read is what is saved, to the
// last digit. Pixels are whole.
template <Unit U>
struct Rect {
    using Value = std::conditional_t<U == Unit::Twips, float, int>;
    Value left = 0;
    Value top = 0;
    Value width = 0;
    Value height = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

// The main window's outer frame in twips, as stored; a screen's area in twips.
using Placement = Rect<Unit::Twips>;
using TwipsRect = Rect<Unit::Twips>;
// An outer frame or a client area in device-independent pixels, as the window system shows it.
using PixelFrame = Rect<Unit::Pixels>;

inline constexpr Placement DefaultPlacement{1000, 1000, 6500, 6500};

// Where the placement is kept: four keys of one section of the settings named by the program's title.
inline constexpr std::string_view SettingsApplication = platform::ApplicationTitle;
inline constexpr std::string_view SettingsSection = "Settings";
struct PlacementKeyNames { std::string_view left, top, width, height; };
inline constexpr PlacementKeyNames PlacementKeys{"MainLeft", "MainTop", "MainWidth", "MainHeight"};

// What a placement has to fit: the screens of this machine (the primary first) and the smallest
// and largest outer size the window can take, all in twips.
struct PlacementLimits {
    std::span<const TwipsRect> screens;
    double minimumWidth = 0;
    double minimumHeight = 0;
    double maximumWidth = 0;
    double maximumHeight = 0;
};

// The shortest decimal text that reads back to the same single-precision value ("1000", "66.5").
[[nodiscard]] std::string singleToText(float value);
// A finite single-precision value from decimal text (blanks around it allowed), or nothing.
[[nodiscard]] std::optional<float> textToSingle(std::string_view text);

// Reads the four entries in the order left, top, width, height; a missing entry, or one that is
// not a finite number, takes its key's default.
[[nodiscard]] Placement readPlacement(const platform::SettingsStore& store, std::string_view application);
// Writes the entries in the order left, top, width, height. Without the position only the width and
// height are written, and the stored left and top stay as they were.
enum class SavedParts { PositionAndSize, SizeOnly };
void writePlacement(platform::SettingsStore& store, std::string_view application, const Placement& placement,
                    SavedParts parts = SavedParts::PositionAndSize);

// The pixels a placement is shown on: each edge and size rounded to the nearest pixel.
[[nodiscard]] PixelFrame toPixelFrame(const Placement& placement);

// What closing saves: the frame's edges and size in twips, except that an edge or a size that is
// still on the pixel it was restored to keeps the exact value that was read. Twips do not fall on
// whole pixels, so without this an untouched window would move by up to 7 twips every run.
[[nodiscard]] Placement placementToSave(const Placement& restored, const PixelFrame& applied, const PixelFrame& now);

// Whether the program can put its windows where it wants on this windowing platform (Qt's platform
// name: "xcb", "wayland", "offscreen"). A Wayland compositor places every window itself and never
// tells a client where it is.
[[nodiscard]] bool platformPlacesWindows(std::string_view platformName);

// A size outside the limits falls back to the default size; a window whose title band lies on no
// screen is moved onto the primary screen.
[[nodiscard]] Placement fitToScreens(const Placement& placement, const PlacementLimits& limits);

} // namespace galvix::app
