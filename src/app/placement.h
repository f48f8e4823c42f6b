#pragma once
// The main window's remembered placement: left, top, width and height in twips, stored as the
// decimal text of single-precision numbers under section "Settings" of the application's title.
// Reading mends what a damaged or foreign settings file could hold, so that the window always
// opens where it can be seen and used.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace galvix::app {

struct Placement {
    float left = 1000.0F;
    float top = 1000.0F;
    float width = 6500.0F;
    float height = 6500.0F;

    friend bool operator==(const Placement&, const Placement&) = default;
};

inline constexpr Placement DefaultPlacement{};
inline constexpr std::string_view SettingsSection = "Settings";

// A rectangle in twips: a screen's area, for instance.
struct TwipsRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

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
// Writes the four entries in the order left, top, width, height.
void writePlacement(platform::SettingsStore& store, std::string_view application, const Placement& placement);

// A size outside the limits falls back to the default size; a window whose title band lies on no
// screen is moved onto the primary screen.
[[nodiscard]] Placement fitToScreens(const Placement& placement, const PlacementLimits& limits);

} // namespace galvix::app
