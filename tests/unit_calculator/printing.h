#pragma once
// Readable test parameters: a text quoted with its blanks and control characters made visible and
// long texts shortened, so that test names and failure messages stay short and stable.

#include <cstdio>
#include <string>
#include <string_view>

namespace galvix::unit_calculator::testing {

inline std::string quoted(std::string_view text)
{
    constexpr std::size_t Longest = 24;
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < Longest; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c >= 0x7F || c == '"' || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    out += '"';
    if (text.size() > Longest)
        out += "... (" + std::to_string(text.size()) + " characters)";
    return out;
}

} // namespace galvix::unit_calculator::testing
