// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "unit_calculator/number_text.h"

namespace galvix::unit_calculator {
namespace {

// The system's own conversion of a double to text, in US English.
std::string systemText(double value)
{
    BSTR text = nullptr;
    if (VarBstrFromR8(value, MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT), 0, &text) != S_OK)
        return "(failed)";
    std::string narrow;
    for (const wchar_t* c = text; *c != L'\0'; ++c)
        narrow += static_cast<char>(*c);
    SysFreeString(text);
    return narrow;
}

// Doubles of every magnitude: any bit pattern that is a finite number, decimal fractions with 1 to
// 17 digits at every power of ten a double reaches, and the integers and halves around 1E+15,
// where the 16th digit is the first one dropped.
std::vector<double> samples()
{
    std::mt19937_64 engine(20261210);
    std::vector<double> values{0.0, -0.0, 1.0, -1.0, 0.1, 0.3, 1.0 / 3.0, 1E-4, 9.9999999999999E-5, 1E15,
                               999999999999999.5, -999999999999999.5, 1.7976931348623157E308, 4.9E-324};
    std::uniform_int_distribution<int> digits(1, 17);
    std::uniform_int_distribution<int> exponent(-320, 308);
    for (int i = 0; i < 40000; ++i) {
        const double bits = std::bit_cast<double>(engine());
        if (std::isfinite(bits))
            values.push_back(bits);
        const auto mantissa = static_cast<double>(engine() % static_cast<std::uint64_t>(std::pow(10.0, digits(engine))));
        values.push_back((i % 2 == 0 ? 1 : -1) * mantissa * std::pow(10.0, exponent(engine)));
        values.push_back(static_cast<double>(engine() % 20000000000000000ULL) / 2.0);
    }
    return values;
}

// Below 1E-4 the form is the writer's choice: Windows and Wine 8 write 3.41339E-05 where Wine 10
// writes 0.0000341339. There the two texts must name the same number.
bool sameSmallNumber(double value, const std::string& written, const std::string& expected)
{
    return value != 0.0 && std::abs(value) < 1E-4
           && std::strtod(written.c_str(), nullptr) == std::strtod(expected.c_str(), nullptr);
}

TEST(WriteNumberOnWindows, WritesEveryDoubleAsTheSystemWritesIt)
{
    int differences = 0;
    for (const double value : samples()) {
        if (!std::isfinite(value))
            continue;
        const std::string expected = systemText(value);
        const std::string written = WriteNumber(value);
        if (written != expected && !sameSmallNumber(value, written, expected) && ++differences <= 20)
            ADD_FAILURE() << std::hexfloat << value << std::defaultfloat << ": WriteNumber gives " << written
                          << ", the system " << expected;
    }
    EXPECT_EQ(differences, 0);
}

} // namespace
} // namespace galvix::unit_calculator
