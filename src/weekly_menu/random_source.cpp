// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "weekly_menu/random_source.h"

namespace galvix::weekly_menu {

float Mt19937Source::NextValue()
{
    constexpr float TwoToMinus24 = 1.0F / 16777216.0F;
    return static_cast<float>(m_engine() >> 8U) * TwoToMinus24;
}

} // namespace galvix::weekly_menu
