// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner's source of random values: one for the whole run of the program, shared by all three
// generators, never seeded, so the same clicks after a start give the same week.

#include <random>

namespace galvix::weekly_menu {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // The next value r of the sequence, 0 <= r < 1.
    [[nodiscard]] virtual float NextValue() = 0;
};

// std::mt19937 in its default state: the standard fixes its output everywhere. Each value is the
// top 24 bits of one output times 2^-24, which a float holds exactly and which is always below 1.
class Mt19937Source final : public RandomSource {
public:
    [[nodiscard]] float NextValue() override;

private:
    std::mt19937 m_engine;
};

} // namespace galvix::weekly_menu
