#include "toolkit/system_colours.h"

#include <array>
#include <utility>

namespace galvix::toolkit {

namespace {

// The desktop colour has no palette role of its own; Link is the theme's distinct, readable
// accent on a white field, which is what the planner's second lines and headings need.
constexpr std::array<std::pair<int, QPalette::ColorRole>, 6> SystemColourRoles{{
    {1, QPalette::Link},            // desktop
    {2, QPalette::Highlight},       // active title bar
    {5, QPalette::Base},            // window background: the white of a field, not the grey of a form
    {9, QPalette::HighlightedText}, // active title bar text
    {13, QPalette::Highlight},      // highlight
    {14, QPalette::HighlightedText} // highlight text
}};

} // namespace

QPalette::ColorRole paletteRole(int systemIndex)
{
    for (const auto& [index, role] : SystemColourRoles) {
        if (index == systemIndex)
            return role;
    }
    return QPalette::Base;
}

QColor resolve(Colour colour, const QPalette& palette, QColor fallback)
{
    switch (colour.source) {
    case Colour::Source::Default:
        return fallback;
    case Colour::Source::System:
        return palette.color(QPalette::Active, paletteRole(static_cast<int>(colour.value)));
    case Colour::Source::Rgb:
        return QColor::fromRgb(static_cast<QRgb>(colour.value));
    }
    return fallback;
}

} // namespace galvix::toolkit
