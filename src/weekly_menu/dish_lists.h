// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fixed dish lists. Each has exactly ten entries; a dish that stands in a list more than once
// comes up that much more often. Every entry carries its own "; " so texts are joined as they are.

#include <array>
#include <string_view>

namespace galvix::weekly_menu {

using DishList = std::array<std::string_view, 10>;

inline constexpr DishList BreakfastEggList{
    "Scrambled Egg; ", "Boiled Egg; ",   "Half Fried; ",       "French Fries; ", "Omelet; ",
    "Mashed Potato; ", "Baked Potato; ", "Potato and Gravy; ", "Egg Roll; ",     "Diced Potato; "};

inline constexpr DishList BreakfastMeatList{"Ham; ",      "Bacon; ", "Sausage; ", "Ham; ",   "Bacon; ",
                                            "Sausage; ", "Hotdog; ", "Ham; ",     "Bacon; ", "Hotdog; "};

inline constexpr DishList BreakfastDrinkList{
    "Orange Juice; ",     "Grape Juice; ", "Tomato Juice; ", "Mango Juice; ", "Gruver Juice; ",
    "Fruit Cocktails; ", "V8 Juice; ",    "Milk; ",         "Coffee; ",      "Tea; "};

inline constexpr DishList RiceList{
    "White Rice; ",    "Butter Rice; ", "Coconut Rice; ", "Sticky Rice; ",    "Rice and Bean; ",
    "American Rice; ", "Thai Rice; ",   "Chinese Rice; ", "Rice and Corn; ", "Scented Rice; "};

inline constexpr DishList SaladList{"Tomato; ",         "Onion; ",   "Cabbage; ",     "Cucumber; ",
                                    "Spanish Onion; ", "Bochoy; ",  "Green Leaf; ",  "Red Leaf; ",
                                    "Green Lettuce; ", "Tofu and Sprout; "};

inline constexpr DishList FruitList{"Water-melon; ", "Sweet-melon; ", "Orange; ",     "Apple; ", "Pear; ",
                                    "Mango; ",       "Banana; ",      "Grapefruit; ", "Grape; ", "Pineapple; "};

inline constexpr DishList MeatFishList{"Beef; ", "Chicken; ", "Fish; ",   "Mutton; ", "Lamb; ",
                                       "Prawn; ", "Pork; ",   "Turkey; ", "Ham; ",    "Sausage; "};

inline constexpr DishList SoupList{"Mixed Vege.; ", "Tomato; ",  "Onion; ",  "Chicken Cream; ", "Chicken Noodle; ",
                                   "Asparagus; ",   "Leek; ",    "Celery; ", "Hot and Sour; ",  "Sweet and Sour; "};

inline constexpr DishList VegetableList{"Eggplant; ",      "Cabbage; ", "Cauliflowers; ", "Long Beans; ",
                                        "French Beans; ",  "Potato; ",  "Bell Peppers; ", "Pumpkin; ",
                                        "Okra Vege.; ",    "Melon and Gourd; "};

// Fixed extras that only Sunday gets, after the drawn dishes.
inline constexpr std::string_view SundayBreakfastExtra = "Ice cream; ";
inline constexpr std::string_view SundayLunchExtra = "Bahraini Rice; ";
inline constexpr std::string_view SundayDinnerExtra = "Special Noodles; ";

// What every "24 hr" label reads once lunch and dinner are planned.
inline constexpr std::string_view HourLabelText = "Bread";

} // namespace galvix::weekly_menu
