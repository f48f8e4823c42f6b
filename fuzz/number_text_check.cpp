// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text_check.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "unit_calculator/arithmetic_error.h"
#include "unit_calculator/conversions.h"
#include "unit_calculator/number_text.h"

namespace galvix::fuzz {

namespace {

using unit_calculator::CalculateText;
using unit_calculator::ConvertText;
using unit_calculator::Operator;
using unit_calculator::ReadNumber;
using unit_calculator::WriteNumber;

void require(bool holds, const char* what, std::string_view detail)
{
    if (holds)
        return;
    std::fprintf(stderr, "number text check failed: %s [%.*s]\n", what, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

// The shape WriteNumber promises: [-]d[.ddd][E+dd], at most 15 significant digits, no trailing zero
// after the point, and a point never a comma.
bool isWrittenNumber(std::string_view text)
{
    std::size_t pos = text.starts_with('-') ? 1 : 0;
    const std::size_t mantissaStart = pos;
    int digits = 0;
    bool leadingZeros = true;
    bool point = false;
    for (; pos < text.size() && text[pos] != 'E'; ++pos) {
        const char c = text[pos];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            return false;
        leadingZeros = leadingZeros && c == '0';
        if (!leadingZeros)
            ++digits;
    }
    const std::string_view mantissa = text.substr(mantissaStart, pos - mantissaStart);
    if (mantissa.empty() || mantissa.front() == '.' || mantissa.back() == '.' || digits > 15)
        return false;
    if (point && mantissa.back() == '0')
        return false;
    if (pos == text.size())
        return true;
    const std::string_view exponent = text.substr(pos + 1);
    if (exponent.size() < 3 || exponent.size() > 4 || (exponent[0] != '+' && exponent[0] != '-'))
        return false;
    return exponent.find_first_not_of("0123456789", 1) == std::string_view::npos;
}

// The text read back lies within the rounding to 15 significant digits (half a unit in the 15th
// digit, 5E-15 relative, plus the rounding of the reading), and writing it again gives the same text.
void checkWritten(const std::string& text, double value)
{
    require(isWrittenNumber(text), "written text has the wrong shape", text);
    const double back = ReadNumber(text);
    require(back == value || std::fabs(back - value) <= std::fabs(value) * 5.2e-15,
            "written text does not read back within its rounding", text);
    require(WriteNumber(back) == text, "written text is not stable", text);
}

std::optional<double> tryRead(std::string_view text)
{
    try {
        const double value = ReadNumber(text);
        require(std::isfinite(value), "ReadNumber returned a value that is not finite", text);
        return value;
    } catch (const ArithmeticError& error) {
        require(error.kind() == ArithmeticError::Kind::Overflow, "ReadNumber raised division by zero", text);
        return std::nullopt;
    }
}

void checkConversions(std::string_view text, std::optional<double> amount)
{
    for (const double factor : unit_calculator::AllFactors) {
        const std::optional<double> product = amount ? std::optional(*amount * factor) : std::nullopt;
        try {
            const std::string written = ConvertText(text, factor);
            require(product.has_value() && std::isfinite(*product), "ConvertText gave a text for a failure", text);
            checkWritten(written, *product);
        } catch (const ArithmeticError& error) {
            require(error.kind() == ArithmeticError::Kind::Overflow, "ConvertText raised division by zero", text);
            require(!product || !std::isfinite(*product), "ConvertText raised overflow for a finite product", text);
        }
    }
}

void checkCalculations(std::string_view text)
{
    const std::size_t bar = text.find('|');
    const std::string_view first = text.substr(0, bar);
    const std::string_view second = bar == std::string_view::npos ? std::string_view{} : text.substr(bar + 1);
    const std::optional<double> left = tryRead(first);
    const std::optional<double> right = tryRead(second);
    constexpr std::array Operators{Operator::Sum, Operator::Difference, Operator::Product, Operator::Quotient};
    for (const Operator op : Operators) {
        std::optional<double> expected;
        bool divisionByZero = false;
        if (left && right) {
            switch (op) {
            case Operator::Sum:
                expected = *left + *right;
                break;
            case Operator::Difference:
                expected = *left - *right;
                break;
            case Operator::Product:
                expected = *left * *right;
                break;
            case Operator::Quotient:
                divisionByZero = *right == 0 && *left != 0;
                if (*right != 0)
                    expected = *left / *right;
                break;
            }
        }
        try {
            const std::string written = CalculateText(first, second, op);
            require(expected.has_value() && std::isfinite(*expected), "CalculateText gave a text for a failure", text);
            checkWritten(written, *expected);
        } catch (const ArithmeticError& error) {
            const bool isDivision = error.kind() == ArithmeticError::Kind::DivisionByZero;
            require(isDivision == divisionByZero, "CalculateText raised the wrong error", text);
            require(divisionByZero || !expected || !std::isfinite(*expected),
                    "CalculateText raised overflow for a finite result", text);
        }
    }
}

} // namespace

void checkNumberText(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> amount = tryRead(text);
    if (amount)
        checkWritten(WriteNumber(*amount), *amount);
    checkConversions(text, amount);
    checkCalculations(text);

    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        const std::string written = WriteNumber(value);
        if (std::isfinite(value))
            checkWritten(written, value);
    }
}

} // namespace galvix::fuzz
