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
#include "unit_calculator/printing.h"

namespace galvix::unit_calculator {
namespace {

using testing::quoted;

struct Reading {
    std::string text;
    double expected;

    friend void PrintTo(const Reading& r, std::ostream* out) { *out << quoted(r.text) << " reads " << r.expected; }
};

class ReadNumberReads : public ::testing::TestWithParam<Reading> {};

TEST_P(ReadNumberReads, TheNumberTheTextStartsWith)
{
    const Reading& reading = GetParam();
    const double value = ReadNumber(reading.text);
    EXPECT_EQ(value, reading.expected);
    EXPECT_EQ(std::signbit(value), std::signbit(reading.expected)) << "the sign of zero";
}

INSTANTIATE_TEST_SUITE_P(Decimal, ReadNumberReads, ::testing::Values(
    Reading{"", 0}, Reading{"kg", 0}, Reading{"12kg", 12}, Reading{"1,5", 1}, Reading{"1.2.3", 1.2},
    Reading{"2.5kg", 2.5}, Reading{".5", 0.5}, Reading{"-.5", -0.5}, Reading{"5.", 5},
    Reading{"+7", 7}, Reading{"+-7", 0}, Reading{"-", 0}, Reading{".", 0}, Reading{"-.", 0},
    Reading{"00012", 12}, Reading{"12abc34", 12}, Reading{"0x10", 0}, Reading{"1d3", 1},
    Reading{"-0", -0.0}));

INSTANTIATE_TEST_SUITE_P(BlanksTabsAndLineFeedsAnywhere, ReadNumberReads, ::testing::Values(
    Reading{" 1 25 g", 125}, Reading{"\t-2\n5", -25}, Reading{"- 7", -7}, Reading{"+ 7", 7},
    Reading{"1 . 5", 1.5}, Reading{" 1 e 2 ", 100}, Reading{"1e - 2", 0.01}, Reading{"   ", 0},
    Reading{"\r5", 0}));

INSTANTIATE_TEST_SUITE_P(Exponent, ReadNumberReads, ::testing::Values(
    Reading{"1e3", 1000}, Reading{"1E3", 1000}, Reading{"1.5e3x", 1500}, Reading{"1e-2", 0.01},
    Reading{"1e+2", 100}, Reading{"1e", 1}, Reading{"1e+", 1}, Reading{"1e-x", 1}, Reading{"e5", 0},
    Reading{".e5", 0}, Reading{"0e999999999999999999999", 0},
    Reading{"1" + std::string(300, '0') + "e-300", 1}, Reading{"0." + std::string(400, '0') + "1e401", 1}));

INSTANTIATE_TEST_SUITE_P(RangeEdges, ReadNumberReads, ::testing::Values(
    Reading{"1.7976931348623157e308", std::numeric_limits<double>::max()},
    Reading{"4.9e-324", std::numeric_limits<double>::denorm_min()},
    Reading{"1.7976931348623159e308", std::numeric_limits<double>::max()},
    Reading{"1.79769313486232E+308", std::numeric_limits<double>::max()},
    Reading{"-0.00179769313486232499e311", -std::numeric_limits<double>::max()},
    Reading{"1e-400", 0}, Reading{"-1e-400", -0.0}, Reading{"2e-324", 0},
    Reading{"0." + std::string(400, '0') + "1", 0},
    Reading{"1e-99999999999999999999", 0}));

INSTANTIATE_TEST_SUITE_P(HexadecimalAndOctal, ReadNumberReads, ::testing::Values(
    Reading{"&H10", 16}, Reading{"&h1f", 31}, Reading{"&HFFFF", -1}, Reading{"&H8000", -32768},
    Reading{"&H7FFF", 32767}, Reading{"&H10000", 65536}, Reading{"&HFFFFFFFF", -1},
    Reading{"&H80000000", -2147483648.0}, Reading{"&H7FFFFFFF", 2147483647},
    Reading{"&H0000FFFF", -1}, Reading{"&H0000000000001", 1}, Reading{"&O17", 15},
    Reading{"&o177777", -1}, Reading{"&O200000", 65536}, Reading{"&O37777777777", -1},
    Reading{"&O8", 0}, Reading{"&H", 0}, Reading{"&HG1", 0}, Reading{"&H1G", 1},
    Reading{" & H 1 F ", 31}, Reading{"&X5", 0}, Reading{"&", 0}, Reading{"-&H5", 0},
    Reading{"&H1.5", 1}));

struct Numeral {
    std::string text;

    friend void PrintTo(const Numeral& n, std::ostream* out) { *out << quoted(n.text); }
};

class ReadNumberOverflows : public ::testing::TestWithParam<Numeral> {};

TEST_P(ReadNumberOverflows, OnANumeralBeyondRange)
{
    try {
        const double value = ReadNumber(GetParam().text);
        ADD_FAILURE() << "read as " << value;
    } catch (const ArithmeticError& error) {
        EXPECT_EQ(error.kind(), ArithmeticError::Kind::Overflow);
        EXPECT_STREQ(error.what(), "Overflow");
    }
}

INSTANTIATE_TEST_SUITE_P(All, ReadNumberOverflows, ::testing::Values(
    Numeral{"1e309"}, Numeral{"-1e309"}, Numeral{"1.797693134862325e308"}, Numeral{"-1.8e308"}, Numeral{"1e99999999999999999999"},
    Numeral{std::string(400, '9')}, Numeral{"0.001e312"}, Numeral{"&H100000000"},
    Numeral{"&HFFFFFFFFFFFFFFFFFFFFFFFF"}, Numeral{"&O40000000000"}, Numeral{" 1 e 4 0 0 kg"}));

struct Writing {
    double value;
    const char* expected;

    friend void PrintTo(const Writing& w, std::ostream* out) { *out << "writes " << w.expected; }
};

class WriteNumberWrites : public ::testing::TestWithParam<Writing> {};

TEST_P(WriteNumberWrites, FifteenSignificantDigits)
{
    EXPECT_EQ(WriteNumber(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Plain, WriteNumberWrites, ::testing::Values(
    Writing{0, "0"}, Writing{-0.0, "0"}, Writing{453, "453"}, Writing{0.453, "0.453"},
    Writing{-2.204, "-2.204"}, Writing{100, "100"}, Writing{0.1, "0.1"}, Writing{12345.678, "12345.678"},
    Writing{1.0 / 3, "0.333333333333333"}, Writing{2.0 / 3, "0.666666666666667"},
    Writing{0.1 + 0.2, "0.3"}, Writing{123.456789012345678, "123.456789012346"},
    Writing{-0.1234567890123456, "-0.123456789012346"}, Writing{1.0000000000000002, "1"}));

// Exponent form from 1E+15 up and below 1E-04, judged on the rounded value.
INSTANTIATE_TEST_SUITE_P(ExponentBoundaries, WriteNumberWrites, ::testing::Values(
    Writing{1e14, "100000000000000"}, Writing{999999999999999, "999999999999999"},
    Writing{-999999999999999, "-999999999999999"}, Writing{999999999999999.9, "1E+15"},
    Writing{1e15, "1E+15"}, Writing{-1e15, "-1E+15"}, Writing{1234567890123456, "1.23456789012346E+15"},
    Writing{1.5e300, "1.5E+300"}, Writing{std::numeric_limits<double>::max(), "1.79769313486232E+308"},
    Writing{0.0001, "0.0001"}, Writing{-0.0001, "-0.0001"}, Writing{9.999999999999999e-5, "0.0001"},
    Writing{0.00012345678901234567, "0.000123456789012346"}, Writing{9.99999999999999e-5, "9.99999999999999E-05"},
    Writing{0.00001, "1E-05"}, Writing{-1.5e-7, "-1.5E-07"}, Writing{1e-100, "1E-100"},
    Writing{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"}));

// A value exactly halfway at the 16th digit rounds to the even 15th digit, as the exact binary
// value is rounded; every other value rounds to nearest.
INSTANTIATE_TEST_SUITE_P(TiesAtTheSixteenthDigit, WriteNumberWrites, ::testing::Values(
    Writing{562949953421312.5, "562949953421312"}, Writing{562949953421313.5, "562949953421314"},
    Writing{-562949953421312.5, "-562949953421312"}, Writing{10000000000000.25, "10000000000000.2"},
    Writing{10000000000000.75, "10000000000000.8"}, Writing{562949953421312.625, "562949953421313"}));

INSTANTIATE_TEST_SUITE_P(NotFinite, WriteNumberWrites, ::testing::Values(
    Writing{std::numeric_limits<double>::infinity(), "Infinity"},
    Writing{-std::numeric_limits<double>::infinity(), "-Infinity"},
    Writing{std::numeric_limits<double>::quiet_NaN(), "NaN"}));

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
    using Limits = std::numeric_limits<double>;
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

// Computes under a rounding mode and compares once the default mode is back.
class UnderRoundingMode : public ::testing::TestWithParam<int> {};

TEST_P(UnderRoundingMode, TextsAreTheSame)
{
    const double third = 1.0 / 3;
    const double tie = 562949953421312.5;
    ASSERT_EQ(std::fesetround(GetParam()), 0);
    const std::string writtenThird = WriteNumber(third);
    const std::string writtenTie = WriteNumber(tie);
    const std::string writtenMax = WriteNumber(std::numeric_limits<double>::max());
    const double read = ReadNumber("0.453");
    const double readFactor = ReadNumber("3.78541");
    std::fesetround(FE_TONEAREST);

    EXPECT_EQ(writtenThird, "0.333333333333333");
    EXPECT_EQ(writtenTie, "562949953421312");
    EXPECT_EQ(writtenMax, "1.79769313486232E+308");
    EXPECT_EQ(read, 0.453);
    EXPECT_EQ(readFactor, 3.78541);
}

INSTANTIATE_TEST_SUITE_P(All, UnderRoundingMode, ::testing::Values(FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO));

} // namespace
} // namespace galvix::unit_calculator
