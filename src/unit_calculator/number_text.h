// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the calculator's fields hold them. ReadNumber takes whatever the user typed and reads
// the number it starts with; WriteNumber gives the text a result field shows. Both use the point as
// decimal separator whatever the locale, so that a written result always reads back as itself.

#include <string>
#include <string_view>

namespace galvix::unit_calculator {

// Blanks, tabs and line feeds are dropped wherever they stand, then the longest leading numeral is
// read: an optional sign, digits with at most one point, and an optional exponent ("1.5e-3").
// "&H" and "&O" start a hexadecimal or octal integer, taken as a signed 16-bit value up to &HFFFF and
// as a signed 32-bit value above (so "&HFFFF" is -1). Text that starts with no number reads as 0,
// and so does a numeral too small for a double. Raises ArithmeticError (overflow) for a numeral too
// large for a double, or a hexadecimal or octal one too large for 32 bits.
[[nodiscard]] double ReadNumber(std::string_view text);

// At most 15 significant digits, no trailing zeros, no point for integral values, "0" for either
// zero. Magnitudes from 1E+15 up and below 1E-04 are written in exponent form ("1E+15", "-1.5E-07").
// Independent of the locale and the floating-point rounding mode. Non-finite values, which the
// calculator never produces, are written "Infinity", "-Infinity" and "NaN".
[[nodiscard]] std::string WriteNumber(double value);

} // namespace galvix::unit_calculator
