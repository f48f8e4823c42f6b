// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A RandomSource that returns given values in order (repeating the last one when it runs out) and
// counts how many it handed out.

#include <cstddef>
#include <utility>
#include <vector>

#include "weekly_menu/random_source.h"

namespace galvix::testing {

class ScriptedSource final : public weekly_menu::RandomSource {
public:
    explicit ScriptedSource(std::vector<float> values)
        : m_values(std::move(values))
    {
    }

    [[nodiscard]] float NextValue() override
    {
        const float value = m_values[std::min(m_used, m_values.size() - 1)];
        ++m_used;
        return value;
    }

    [[nodiscard]] std::size_t used() const { return m_used; }

private:
    std::vector<float> m_values;
    std::size_t m_used = 0;
};

// The value that gives the draw k: the middle of [k/10, (k+1)/10).
[[nodiscard]] inline float valueForK(int k) { return (static_cast<float>(k) + 0.5F) / 10.0F; }

} // namespace galvix::testing
