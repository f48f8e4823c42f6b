// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolkit/system_colours.h"

#include "toolkit/contrast.h"

namespace galvix::toolkit {

namespace {

Rgb toRgb(const QColor& colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

QColor toQColor(Rgb colour) { return {colour.red, colour.green, colour.blue}; }

} // namespace

// A switch with no default, so that a system colour added without a role does not compile.
QPalette::ColorRole paletteRole(SystemColour colour)
{
    switch (colour) {
    case SystemColour::Desktop:
        // The desktop colour has no palette role of its own; Link is the theme's distinct accent
        // for text, which is what the planner's second lines and headings need.
        return QPalette::Link;
    case SystemColour::WindowBackground:
        return QPalette::Base; // the white of a field, not the grey of a form
    case SystemColour::ActiveTitleBar:
    case SystemColour::Highlight:
        return QPalette::Highlight;
    case SystemColour::ActiveTitleBarText:
    case SystemColour::HighlightText:
        return QPalette::HighlightedText;
    }
    return QPalette::Base; // not reached: the cases above are every SystemColour
}

QColor resolve(Colour colour, const QPalette& palette, QColor fallback)
{
    switch (colour.source) {
    case Colour::Source::Default:
        return fallback;
    case Colour::Source::System: {
        // A theme may leave a role without a colour: Qt 6.8's Windows theme takes its accents from
        // a registry value that not every system has. The control keeps its own colour then.
        const QColor themed = palette.color(QPalette::Active, paletteRole(colour.system));
        return themed.isValid() ? themed : fallback;
    }
    case Colour::Source::Rgb:
        return QColor::fromRgb(static_cast<QRgb>(colour.rgb));
    }
    return fallback;
}

ColourRoles colourRoles(ControlKind kind)
{
    switch (kind) {
    case ControlKind::TextBox:
        return {QPalette::Text, QPalette::Base};
    case ControlKind::CommandButton:
        return {QPalette::ButtonText, QPalette::Button};
    case ControlKind::Label:
    case ControlKind::Frame:
        break;
    }
    return {QPalette::WindowText, QPalette::Window};
}

QPalette controlPalette(const ControlSpec& control, const QPalette& theme)
{
    const auto [textRole, fieldRole] = colourRoles(control.kind);
    const Ground ground = control.background.isDefault() ? Ground::Fixed : Ground::Movable;
    QPalette palette;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        const QColor text = resolve(control.foreground, theme, theme.color(group, textRole));
        const QColor field = resolve(control.background, theme, theme.color(group, fieldRole));
        const TextOnGround shown = readable(toRgb(text), toRgb(field), ground);
        palette.setColor(group, textRole, toQColor(shown.text));
        if (ground == Ground::Movable)
            palette.setColor(group, fieldRole, toQColor(shown.ground));
    }
    return palette;
}

} // namespace galvix::toolkit
