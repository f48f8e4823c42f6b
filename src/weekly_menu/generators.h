// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The planner's operations. Each takes the shared RandomSource and returns the texts it writes as
// an ordered list of (control, text) pairs, which the window applies in that order. None of them
// reads anything from the window; every control they name is one the planner's table has, which
// the window checks when it is compiled, so writing the pairs cannot fail.

#include <string>
#include <string_view>
#include <vector>

#include "weekly_menu/dish_lists.h"
#include "weekly_menu/random_source.h"

namespace galvix::weekly_menu {

struct CellText {
    std::string_view control;
    std::string text;

    friend bool operator==(const CellText&, const CellText&) = default;
};

using CellTexts = std::vector<CellText>;

// Draws one entry with one value r of the source: k = floor(r * 10), formed in double precision,
// picks entry k for k = 1 to 9 and entry 10 for k = 0.
[[nodiscard]] std::string_view DrawDish(RandomSource& source, const DishList& list);

// Fourteen pairs, day by day from Sunday: the breakfast line 1 (egg dish, meat) then line 2
// (drink, and on Sunday "Ice cream; "). Consumes 21 values.
[[nodiscard]] CellTexts GenerateBreakfast(RandomSource& source);

// The seven "24 hr" labels set to "Bread", then line 2 of the seven lunches and the seven dinners
// (rice, salad, fruit, and Sunday's extras). Consumes 42 values.
[[nodiscard]] CellTexts GenerateRiceSaladFruit(RandomSource& source);

// The seven "24 hr" labels set to "Bread", then line 1 of the seven lunches and the seven dinners
// (meat or fish, soup, vegetable). Consumes 42 values.
[[nodiscard]] CellTexts GenerateMeatSoupVegetable(RandomSource& source);

// Every cell from Text1 to Text42, then the seven "24 hr" labels, set to the empty text.
[[nodiscard]] CellTexts ClearGrid();

} // namespace galvix::weekly_menu
