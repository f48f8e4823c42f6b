// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the calculator's numbers: what a typed text reads as, how a result is written,
// and that both hold whatever the locale and the rounding mode.

#include <gtest/gtest.h>

#include <cfenv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <locale>
#include <random>
#include <string>

#include "unit_calculator/arithmetic_error.h"
#include "unit_calculator/number_text.h"

namespace galvix::unit_calculator {
namespace {

using Limits = std::numeric_limits<double>;

struct Reading {
    std::string text;
    double expected;
};

void expectReadings(std::initializer_list<Reading> readings)
{
    for (const Reading& reading : readings) {
        const double value = ReadNumber(reading.text);
        EXPECT_EQ(value, reading.expected) << '"' << reading.text << '"';
        EXPECT_EQ(std::signbit(value), std::signbit(reading.expected)) << '"' << reading.text << "\": sign";
    }
}

TEST(ReadNumber, ReadsTheLongestLeadingNumeral)
{
    expectReadings({{"", 0}, {"kg", 0}, {"12kg", 12}, {"1,5", 1}, {"1.2.3", 1.2}, {"2.5kg", 2.5}, {".5", 0.5},
                    {"-.5", -0.5}, {"5.", 5}, {"+7", 7}, {"+-7", 0}, {"-", 0}, {".", 0}, {"00012", 12},
                    {"12abc34", 12}, {"0x10", 0}, {"1d3", 1}, {"-0", -0.0}});
}

TEST(ReadNumber, DropsBlanksTabsAndLineFeedsWhereverTheyStand)
{
    expectReadings({{" 1 25 g", 125}, {"\t-2\n5", -25}, {"- 7", -7}, {"1 . 5", 1.5}, {" 1 e 2 ", 100},
                    {"1e - 2", 0.01}, {"   ", 0}, {"\r5", 0}});
}

TEST(ReadNumber, TakesAnExponentOnlyWithADigit)
{
    expectReadings({{"1e3", 1000}, {"1E3", 1000}, {"1.5e3x", 1500}, {"1e+2", 100}, {"1e", 1}, {"1e+", 1},
                    {"1e-x", 1}, {"e5", 0}, {".e5", 0}, {"0e999999999999999999999", 0},
                    {"1" + std::string(300, '0') + "e-300", 1}, {"0." + std::string(400, '0') + "1e401", 1}});
}

// Too small reads as zero; the largest double's written text reads back as the largest double.
TEST(ReadNumber, ReadsTheEdgesOfTheRange)
{
    expectReadings({{"1.7976931348623157e308", Limits::max()}, {"1.79769313486232E+308", Limits::max()},
                    {"-0.00179769313486232499e311", -Limits::max()}, {"4.9e-324", Limits::denorm_min()},
                    {"1e-400", 0}, {"-1e-400", -0.0}, {"2e-324", 0}, {"0." + std::string(400, '0') + "1", 0},
                    {"1e-99999999999999999999", 0}});
}

// Up to &HFFFF a 16-bit value, above it a 32-bit one; the value decides, not the number of digits.
TEST(ReadNumber, ReadsHexadecimalAndOctalIntegers)
{
    expectReadings({{"&H10", 16}, {"&h1f", 31}, {"&HFFFF", -1}, {"&H8000", -32768}, {"&H7FFF", 32767},
                    {"&H10000", 65536}, {"&HFFFFFFFF", -1}, {"&H80000000", -2147483648.0},
                    {"&H7FFFFFFF", 2147483647}, {"&H0000FFFF", -1}, {"&H0000000000001", 1}, {"&O17", 15},
                    {"&o177777", -1}, {"&O200000", 65536}, {"&O37777777777", -1}, {"&O8", 0}, {"&H", 0},
                    {"&HG1", 0}, {"&H1G", 1}, {" & H 1 F ", 31}, {"&X5", 0}, {"&", 0}, {"-&H5", 0}, {"&H1.5", 1}});
}

TEST(ReadNumber, RaisesOverflowForANumeralBeyondRange)
{
    for (const std::string& text :
         {std::string("1e309"), std::string("-1e309"), std::string("1.797693134862325e308"), std::string("-1.8e308"),
          std::string("1e99999999999999999999"), std::string(400, '9'), std::string("0.001e312"),
          std::string(" 1 e 4 0 0 kg"), std::string("&H100000000"), std::string("&HFFFFFFFFFFFFFFFFFFFFFFFF"),
          std::string("&O40000000000")}) {
        try {
            const double value = ReadNumber(text);
            ADD_FAILURE() << '"' << text << "\" read as " << value;
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(error.kind(), ArithmeticError::Kind::Overflow) << text;
            EXPECT_STREQ(error.what(), "Overflow");
        }
    }
}

struct Writing {
    double value;
    const char* expected;
};

void expectWritings(std::initializer_list<Writing> writings)
{
    for (const Writing& writing : writings)
        EXPECT_EQ(WriteNumber(writing.value), writing.expected);
}

TEST(WriteNumber, WritesAtMostFifteenSignificantDigits)
{
    expectWritings({{0, "0"}, {-0.0, "0"}, {453, "453"}, {0.453, "0.453"}, {-2.204, "-2.204"}, {100, "100"},
                    {12345.678, "12345.678"}, {1.0 / 3, "0.333333333333333"}, {2.0 / 3, "0.666666666666667"},
                    {0.1 + 0.2, "0.3"}, {123.456789012345678, "123.456789012346"},
                    {-0.1234567890123456, "-0.123456789012346"}, {1.0000000000000002, "1"}});
}

// Exponent form from 1E+15 up and below 1E-04, judged on the rounded value.
TEST(WriteNumber, SwitchesToExponentFormAtTheBoundaries)
{
    expectWritings({{1e14, "100000000000000"}, {999999999999999, "999999999999999"},
                    {-999999999999999, "-999999999999999"}, {999999999999999.9, "1E+15"}, {1e15, "1E+15"},
                    {-1e15, "-1E+15"}, {1234567890123456, "1.23456789012346E+15"}, {1.5e300, "1.5E+300"},
                    {Limits::max(), "1.79769313486232E+308"}, {0.0001, "0.0001"}, {-0.0001, "-0.0001"},
                    {9.999999999999999e-5, "0.0001"}, {0.00012345678901234567, "0.000123456789012346"},
                    {9.99999999999999e-5, "9.99999999999999E-05"}, {0.00001, "1E-05"}, {-1.5e-7, "-1.5E-07"},
                    {1e-100, "1E-100"}, {Limits::denorm_min(), "4.94065645841247E-324"}});
}

// A value exactly halfway at the 16th digit goes away from zero, in plain and exponent form and when
// it carries into a new digit; a value only near halfway goes to the nearest.
TEST(WriteNumber, RoundsExactTiesAwayFromZero)
{
    expectWritings({{562949953421312.5, "562949953421313"}, {562949953421313.5, "562949953421314"},
                    {-562949953421312.5, "-562949953421313"}, {999999999999090.5, "999999999999091"},
                    {-999999999999090.5, "-999999999999091"}, {56941479447211.25, "56941479447211.3"},
                    {10000000000000.25, "10000000000000.3"}, {10000000000000.75, "10000000000000.8"},
                    {4477577726213665, "4.47757772621367E+15"}, {-4477577726213665, "-4.47757772621367E+15"},
                    {999999999999999.5, "1E+15"}, {13.0 / (1 << 20), "1.23977661132813E-05"},
                    {562949953421312.625, "562949953421313"},
                    {std::nextafter(999999999999090.5, 0.0), "999999999999090"}});
}

TEST(WriteNumber, NamesValuesThatAreNotFinite)
{
    expectWritings({{Limits::infinity(), "Infinity"}, {-Limits::infinity(), "-Infinity"}, {Limits::quiet_NaN(), "NaN"}});
}

// What is written reads back within the 15-digit rounding, and writing that again gives the same
// text, so a result field that is converted again does not drift.
TEST(WriteNumber, ReadsBackWithinItsRoundingAndIsStable)
{
    const auto check = [](double value) {
        const std::string text = WriteNumber(value);
        const double back = ReadNumber(text);
        EXPECT_LE(std::fabs(back - value), std::fabs(value) * 5.2e-15) << text;
        EXPECT_EQ(WriteNumber(back), text);
        return !::testing::Test::HasFailure();
    };
    for (const double edge : {Limits::max(), -Limits::max(), std::nextafter(Limits::max(), 0.0), Limits::min(),
                              Limits::denorm_min(), 1e15, std::nextafter(1e15, 0.0), 1e-4, std::nextafter(1e-4, 0.0)})
        check(edge);

    std::mt19937_64 bits(20240611);
    for (int i = 0; i < 20000; ++i) {
        double value = 0;
        const std::uint64_t pattern = bits();
        std::memcpy(&value, &pattern, sizeof value);
        if (std::isfinite(value) && !check(value))
            break;
    }
}

// Replaces the decimal point with a comma in a locale's number punctuation.
class CommaPunctuation : public std::numpunct<char> {
protected:
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

// The process under a comma-decimal locale: the C++ global locale always, and the C locale too when
// this machine has one installed. Restores both afterwards.
class UnderCommaLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_savedC = std::setlocale(LC_ALL, nullptr);
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name) != nullptr)
                break;
        }
        m_savedCpp = std::locale::global(std::locale(std::locale::classic(), new CommaPunctuation));
        ASSERT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
    }
    void TearDown() override
    {
        std::locale::global(m_savedCpp);
        std::setlocale(LC_ALL, m_savedC.c_str());
    }

private:
    std::string m_savedC;
    std::locale m_savedCpp;
};

TEST_F(UnderCommaLocale, NumbersAreStillWrittenAndReadWithAPoint)
{
    EXPECT_EQ(WriteNumber(0.453), "0.453");
    EXPECT_EQ(WriteNumber(-1234567.5), "-1234567.5");
    EXPECT_EQ(WriteNumber(-1.5e-7), "-1.5E-07");
    EXPECT_EQ(ReadNumber("0.453"), 0.453);
    EXPECT_EQ(ReadNumber("1,5"), 1);
}

// Writes under each rounding mode and compares once the default mode is back.
TEST(WriteNumber, IsTheSameUnderEveryRoundingMode)
{
    for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
        ASSERT_EQ(std::fesetround(mode), 0);
        const std::string third = WriteNumber(1.0 / 3);
        const std::string tie = WriteNumber(562949953421312.5);
        const std::string largest = WriteNumber(Limits::max());
        const std::string small = WriteNumber(-1.5e-7);
        std::fesetround(FE_TONEAREST);

        EXPECT_EQ(third, "0.333333333333333") << mode;
        EXPECT_EQ(tie, "562949953421313") << mode;
        EXPECT_EQ(largest, "1.79769313486232E+308") << mode;
        EXPECT_EQ(small, "-1.5E-07") << mode;
    }
}

} // namespace
} // namespace galvix::unit_calculator
