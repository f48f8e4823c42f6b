// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The system colours under light, dark and high-contrast themes: every table colour comes from the
// theme, keeps its hue, and is moved just far enough to stand out from what it is drawn on.

#include <QColor>
#include <QPalette>
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "theme_palettes.h"
#include "toolkit/contrast.h"
#include "toolkit/system_colours.h"

namespace galvix::toolkit {
namespace {

Rgb rgb(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

TEST(ContrastRatio, MeasuresAsWcagDoes)
{
    struct Case {
        Rgb first;
        Rgb second;
        double ratio;
    };
    const std::array<Case, 5> cases{{
        {{0, 0, 0}, {255, 255, 255}, 21.0},
        {{255, 255, 255}, {0, 0, 0}, 21.0},
        {{0x76, 0x76, 0x76}, {255, 255, 255}, 4.54}, // the lightest grey that passes on white
        {{0, 0, 255}, {255, 255, 255}, 8.59},
        {{0x30, 0x8c, 0xc6}, {0xef, 0xef, 0xef}, 3.21}, // Qt's highlight on its light form
    }};
    for (const Case& c : cases)
        EXPECT_NEAR(contrastRatio(c.first, c.second), c.ratio, 0.005);
}

// The coloured controls the windows have: their text colour on their field.
struct Coloured {
    const char* what;
    ControlSpec control;
};
const std::array<Coloured, 6> ColouredControls{{
    {"line 2 (desktop on a field)", {ControlKind::TextBox, "Text22", {}, 0, 0, 1, 1, 0, SystemColour::Desktop}},
    {"heading (desktop on the form)", {ControlKind::Label, "Label19", {}, 0, 0, 1, 1, 0, SystemColour::Desktop}},
    {"24 hr label (highlight on the form)", {ControlKind::Label, "Label15", {}, 0, 0, 1, 1, 0, SystemColour::Highlight}},
    {"result (highlight text on the title bar)",
     {ControlKind::TextBox, "Text2", {}, 0, 0, 1, 1, 0, SystemColour::HighlightText, SystemColour::ActiveTitleBar}},
    {"weight result (title bar text on the title bar)",
     {ControlKind::TextBox, "Text3", {}, 0, 0, 1, 1, 0, SystemColour::ActiveTitleBarText, SystemColour::ActiveTitleBar}},
    {"About text (black on the form)", {ControlKind::Label, "lblTitle", {}, 0, 0, 1, 1, 0, Colour::fromRgb(0, 0, 0)}},
}};

// The hue of a colour with one, in degrees; -1 for a grey.
int hue(Rgb colour) { return QColor(colour.red, colour.green, colour.blue).hsvHue(); }

TEST(SystemColours, EveryColouredTextReachesTheRatioKeepingItsHueAndMovingNoFurtherThanNeeded)
{
    for (const tools::ThemePalette& theme : tools::themePalettes()) {
        for (const Coloured& coloured : ColouredControls) {
            SCOPED_TRACE(std::string(theme.name) + ": " + coloured.what);
            const ColourRoles roles = colourRoles(coloured.control.kind);
            const QPalette palette = controlPalette(coloured.control, theme.palette);
            const Rgb text = rgb(palette.color(QPalette::Active, roles.text));
            const bool ownField = !coloured.control.background.isDefault();
            const Rgb field = rgb((ownField ? palette : theme.palette).color(QPalette::Active, roles.field));
            const Rgb themeText = rgb(resolve(coloured.control.foreground, theme.palette, {}));
            const Rgb themeField = rgb(resolve(coloured.control.background, theme.palette,
                                               theme.palette.color(QPalette::Active, roles.field)));
            const double ratio = contrastRatio(text, field);
            EXPECT_GE(ratio, ColouredTextContrast);
            if (contrastRatio(themeText, themeField) >= ColouredTextContrast) {
                EXPECT_EQ(text, themeText) << "a colour that already stands out is the theme's own";
                EXPECT_EQ(field, themeField);
                continue;
            }
            EXPECT_LT(ratio, ColouredTextContrast + 0.25) << "moved further than needed";
            for (const auto& [shown, own] : {std::pair{text, themeText}, std::pair{field, themeField}}) {
                if (hue(shown) >= 0 && hue(own) >= 0) {
                    const int turn = std::abs(hue(shown) - hue(own));
                    EXPECT_LE(std::min(turn, 360 - turn), 3) << "the hue turned";
                }
            }
            EXPECT_EQ(palette.color(QPalette::Inactive, roles.text), palette.color(QPalette::Active, roles.text));
        }
    }
}

TEST(SystemColours, ARoleTheThemeLeavesWithoutAColourKeepsTheControlsOwn)
{
    QPalette theme;
    theme.setColor(QPalette::Active, paletteRole(SystemColour::Desktop), QColor());
    EXPECT_EQ(resolve(SystemColour::Desktop, theme, QColor(Qt::darkGreen)), QColor(Qt::darkGreen));
}

} // namespace
} // namespace galvix::toolkit
