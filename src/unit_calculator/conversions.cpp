// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_calculator/conversions.h"

#include <cmath>
#include <stdexcept>

#include "unit_calculator/arithmetic_error.h"
#include "unit_calculator/number_text.h"

namespace galvix::unit_calculator {

namespace {

[[nodiscard]] std::string writeFinite(double result)
{
    if (!std::isfinite(result))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    return WriteNumber(result);
}

} // namespace

std::string ConvertText(std::string_view text, double factor) { return writeFinite(ReadNumber(text) * factor); }

std::string CalculateText(std::string_view first, std::string_view second, Operator op)
{
    const double right = ReadNumber(second);
    const double left = ReadNumber(first);
    switch (op) {
    case Operator::Sum:
        return writeFinite(left + right);
    case Operator::Difference:
        return writeFinite(left - right);
    case Operator::Product:
        return writeFinite(left * right);
    case Operator::Quotient:
        if (right == 0) {
            throw ArithmeticError(left == 0 ? ArithmeticError::Kind::Overflow
                                            : ArithmeticError::Kind::DivisionByZero);
        }
        return writeFinite(left / right);
    }
    throw std::invalid_argument("CalculateText: unknown operator");
}

} // namespace galvix::unit_calculator
