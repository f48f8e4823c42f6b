// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window tables: every window's controls and rules are written down once, in twips, as
// constexpr data; Surface turns a table into widgets. Nothing here depends on Qt.

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

namespace galvix::toolkit {

enum class ControlKind { TextBox, Label, CommandButton, Frame };

// The system colours the windows use, by the desktop's numbers for them. What each is drawn as under
// the running theme is decided in one switch, paletteRole() in system_colours.cpp.
enum class SystemColour : std::uint8_t {
    Desktop = 1,
    ActiveTitleBar = 2,
    WindowBackground = 5,
    ActiveTitleBarText = 9,
    Highlight = 13,
    HighlightText = 14,
};

// A colour as the windows name it: the toolkit default, a system colour, or a fixed RGB.
struct Colour {
    enum class Source { Default, System, Rgb };
    Source source = Source::Default;
    SystemColour system = {};
    std::uint32_t rgb = 0; // 0xRRGGBB

    constexpr Colour() = default;
    // Not explicit: a table writes a system colour as it stands, SystemColour::Desktop.
    constexpr Colour(SystemColour colour)
        : source(Source::System)
        , system(colour)
    {
    }
    [[nodiscard]] static constexpr Colour fromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
    {
        Colour colour;
        colour.source = Source::Rgb;
        colour.rgb = (std::uint32_t{r} << 16U) | (std::uint32_t{g} << 8U) | b;
        return colour;
    }
    [[nodiscard]] constexpr bool isDefault() const { return source == Source::Default; }
};

inline constexpr int NoTabStop = -1;

struct ControlSpec {
    ControlKind kind;
    std::string_view name;    // becomes the widget's objectName
    std::string_view caption; // a label's or button's caption, a frame's title; empty for text boxes
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int tabIndex = NoTabStop; // focus order among the controls that take focus
    Colour foreground = {};
    Colour background = {};
    // What a screen reader needs beyond what the control shows. A text box has no caption, so this
    // is its accessible name ("Pounds to convert"). A label, button or frame is always named by its
    // caption, exactly as shown; for them this is the accessible description, which says what the
    // caption leaves unsaid ("Clears the whole week"), and a button also shows it as its tooltip.
    std::string_view accessibleText = {};
};

// A straight rule drawn on the window surface, beneath every control.
struct LineSpec {
    std::string_view name;
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Colour colour = {};
    int borderWidth = 1;
};

// A window's client area and everything on it.
struct FormSpec {
    std::string_view caption;
    int clientWidth = 0;
    int clientHeight = 0;
    std::span<const ControlSpec> controls;
    std::span<const LineSpec> lines;
};

// Whether the table has a control called `name`, of one of `Kinds` (of any kind when none is given).
template <ControlKind... Kinds>
[[nodiscard]] constexpr bool hasControl(const FormSpec& form, std::string_view name)
{
    return std::ranges::any_of(form.controls, [name](const ControlSpec& control) {
        return control.name == name && (sizeof...(Kinds) == 0 || ((control.kind == Kinds) || ...));
    });
}

// Deliberately not constexpr and never defined: a name that is not in its window's table reaches
// this call while the compiler checks the name, and the build stops there, showing the name.
void noControlOfThisNameAndKindInTheWindowTable(std::string_view name);

// The name of a control of the window `Form`, of one of `Kinds` (any kind when none is given),
// checked against the table when the program is compiled: a misspelt name does not compile.
template <const FormSpec& Form, ControlKind... Kinds>
class ControlName {
public:
    // Not explicit: a window writes its names as plain literals, button("Command1").
    consteval ControlName(const char* name)
        : m_name(name)
    {
        if (!hasControl<Kinds...>(Form, m_name))
            noControlOfThisNameAndKindInTheWindowTable(m_name);
    }

    constexpr operator std::string_view() const { return m_name; }

private:
    std::string_view m_name;
};

} // namespace galvix::toolkit
