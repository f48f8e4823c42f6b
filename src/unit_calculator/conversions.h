// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The unit conversions and the mini-calculator: each takes the texts of fields and returns the text
// for another field, reading and writing numbers as number_text.h does. A failure raises
// ArithmeticError and returns no text.

#include <array>
#include <string>
#include <string_view>

namespace galvix::unit_calculator {

// Each factor multiplies an amount in the first unit to give it in the second. The pound and
// kilogram factors are two separate three-digit values, not each other's reciprocal, and the US
// quart factor is a quarter of the US gallon's, not the reciprocal of litres to US quarts.
inline constexpr double PoundsToKilograms = 0.453;
inline constexpr double KilogramsToGrams = 1000;
inline constexpr double KilogramsToPounds = 2.204;
inline constexpr double PoundsToOunces = 16;
inline constexpr double UsGallonsToLitres = 3.78541;
inline constexpr double ImperialGallonsToLitres = 4.54609;
inline constexpr double LitresToUsQuarts = 1.05668870743;
inline constexpr double LitresToUsGallons = 0.26417217686;
inline constexpr double ImperialQuartsToLitres = 1.1365225;
inline constexpr double UsQuartsToLitres = 0.9463525;
inline constexpr double LitresToImperialGallons = 0.2199692483;

inline constexpr std::array<double, 11> AllFactors{
    PoundsToKilograms, KilogramsToGrams,      KilogramsToPounds,      PoundsToOunces,
    UsGallonsToLitres, ImperialGallonsToLitres, LitresToUsQuarts,     LitresToUsGallons,
    ImperialQuartsToLitres, UsQuartsToLitres, LitresToImperialGallons,
};

enum class Operator { Sum, Difference, Product, Quotient };

// The amount read from `text`, multiplied by `factor` and written. A product too small for a double
// becomes 0; one too large raises the overflow error.
[[nodiscard]] std::string ConvertText(std::string_view text, double factor);

// first + second, first - second, first * second or first / second, written. The second text is
// read first. Dividing a number other than 0 by 0 raises the division-by-zero error; 0 divided by 0
// and any result too large for a double raise the overflow error.
[[nodiscard]] std::string CalculateText(std::string_view first, std::string_view second, Operator op);

} // namespace galvix::unit_calculator
