// The conversions and the mini-calculator on the texts a user would type, and the errors they raise.

#include <gtest/gtest.h>

#include <string>

#include "unit_calculator/arithmetic_error.h"
#include "unit_calculator/conversions.h"
#include "unit_calculator/printing.h"

namespace galvix::unit_calculator {
namespace {

using testing::quoted;

const char* symbol(Operator op)
{
    switch (op) {
    case Operator::Sum:
        return " + ";
    case Operator::Difference:
        return " - ";
    case Operator::Product:
        return " * ";
    case Operator::Quotient:
        return " / ";
    }
    return " ? ";
}

struct Conversion {
    const char* text;
    double factor;
    const char* expected;

    friend void PrintTo(const Conversion& c, std::ostream* out)
    {
        *out << quoted(c.text) << " times " << c.factor << " gives " << c.expected;
    }
};

class ConvertTextGives : public ::testing::TestWithParam<Conversion> {};

TEST_P(ConvertTextGives, TheWrittenProduct)
{
    EXPECT_EQ(ConvertText(GetParam().text, GetParam().factor), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Weights, ConvertTextGives, ::testing::Values(
    Conversion{"1", PoundsToKilograms, "0.453"}, Conversion{"0.453", KilogramsToGrams, "453"},
    Conversion{"1", KilogramsToPounds, "2.204"}, Conversion{"2.204", PoundsToOunces, "35.264"},
    Conversion{"250", PoundsToKilograms, "113.25"}, Conversion{"-1", KilogramsToPounds, "-2.204"},
    Conversion{"2.204", PoundsToKilograms, "0.998412"}));

INSTANTIATE_TEST_SUITE_P(LiquidsOfOne, ConvertTextGives, ::testing::Values(
    Conversion{"1", UsGallonsToLitres, "3.78541"}, Conversion{"1", ImperialGallonsToLitres, "4.54609"},
    Conversion{"1", LitresToUsQuarts, "1.05668870743"}, Conversion{"1", LitresToUsGallons, "0.26417217686"},
    Conversion{"1", ImperialQuartsToLitres, "1.1365225"}, Conversion{"1", UsQuartsToLitres, "0.9463525"},
    Conversion{"1", LitresToImperialGallons, "0.2199692483"}));

INSTANTIATE_TEST_SUITE_P(LiquidsOfTen, ConvertTextGives, ::testing::Values(
    Conversion{"10", UsGallonsToLitres, "37.8541"}, Conversion{"10", ImperialGallonsToLitres, "45.4609"},
    Conversion{"10", LitresToUsQuarts, "10.5668870743"}, Conversion{"10", LitresToUsGallons, "2.6417217686"},
    Conversion{"10", ImperialQuartsToLitres, "11.365225"}, Conversion{"10", UsQuartsToLitres, "9.463525"},
    Conversion{"10", LitresToImperialGallons, "2.199692483"}, Conversion{"2.5", LitresToUsQuarts, "2.641721768575"}));

INSTANTIATE_TEST_SUITE_P(TypedText, ConvertTextGives, ::testing::Values(
    Conversion{" 2 5 ", PoundsToOunces, "400"}, Conversion{"2.5kg", KilogramsToGrams, "2500"},
    Conversion{"1,5", KilogramsToGrams, "1000"}, Conversion{"&H10", PoundsToOunces, "256"},
    Conversion{"1e-323", LitresToImperialGallons, "0"}, Conversion{"1e300", KilogramsToGrams, "1E+303"}));

TEST(ConvertText, EmptyOrLetteredTextGivesZeroWithEveryFactor)
{
    for (const double factor : AllFactors) {
        EXPECT_EQ(ConvertText("", factor), "0") << factor;
        EXPECT_EQ(ConvertText("lb 5", factor), "0") << factor;
    }
}

struct Calculation {
    const char* first;
    const char* second;
    Operator op;
    const char* expected;

    friend void PrintTo(const Calculation& c, std::ostream* out)
    {
        *out << quoted(c.first) << symbol(c.op) << quoted(c.second) << " gives " << c.expected;
    }
};

class CalculateTextGives : public ::testing::TestWithParam<Calculation> {};

TEST_P(CalculateTextGives, TheWrittenResult)
{
    const Calculation& c = GetParam();
    EXPECT_EQ(CalculateText(c.first, c.second, c.op), c.expected);
}

INSTANTIATE_TEST_SUITE_P(All, CalculateTextGives, ::testing::Values(
    Calculation{"7", "2", Operator::Sum, "9"}, Calculation{"7", "2", Operator::Difference, "5"},
    Calculation{"7", "2", Operator::Product, "14"}, Calculation{"7", "2", Operator::Quotient, "3.5"},
    Calculation{"2", "7", Operator::Difference, "-5"}, Calculation{"-7", "2", Operator::Quotient, "-3.5"},
    Calculation{"", "", Operator::Sum, "0"}, Calculation{"0.1", "0.2", Operator::Sum, "0.3"},
    Calculation{"1", "3", Operator::Quotient, "0.333333333333333"},
    Calculation{"0", "5", Operator::Quotient, "0"}, Calculation{"1e-300", "1e-300", Operator::Product, "0"},
    Calculation{"1e308", "1e308", Operator::Difference, "0"}, Calculation{"&HFFFF", "1", Operator::Sum, "0"},
    Calculation{"999999999999999", "1", Operator::Sum, "1E+15"}));

struct Failure {
    const char* first;
    const char* second;
    Operator op;
    ArithmeticError::Kind kind;

    friend void PrintTo(const Failure& f, std::ostream* out)
    {
        *out << quoted(f.first) << symbol(f.op) << quoted(f.second) << " raises "
             << (f.kind == ArithmeticError::Kind::Overflow ? "overflow" : "division by zero");
    }
};

class CalculateTextRaises : public ::testing::TestWithParam<Failure> {};

TEST_P(CalculateTextRaises, TheErrorAndNoText)
{
    const Failure& f = GetParam();
    try {
        const std::string text = CalculateText(f.first, f.second, f.op);
        ADD_FAILURE() << "gave " << text;
    } catch (const ArithmeticError& error) {
        EXPECT_EQ(error.kind(), f.kind);
    }
}

constexpr auto Overflow = ArithmeticError::Kind::Overflow;
constexpr auto DivisionByZero = ArithmeticError::Kind::DivisionByZero;

INSTANTIATE_TEST_SUITE_P(All, CalculateTextRaises, ::testing::Values(
    Failure{"5", "", Operator::Quotient, DivisionByZero}, Failure{"5", "0", Operator::Quotient, DivisionByZero},
    Failure{"-5", "-0", Operator::Quotient, DivisionByZero}, Failure{"", "", Operator::Quotient, Overflow},
    Failure{"0", "0", Operator::Quotient, Overflow}, Failure{"1E308", "10", Operator::Product, Overflow},
    Failure{"1e308", "1e308", Operator::Sum, Overflow}, Failure{"-1e308", "1e308", Operator::Difference, Overflow},
    Failure{"1", "1e-320", Operator::Quotient, Overflow}, Failure{"1e400", "1", Operator::Sum, Overflow},
    Failure{"1", "&H100000000", Operator::Sum, Overflow}));

TEST(ConvertText, RaisesOverflowForAProductOrANumeralBeyondRange)
{
    for (const char* text : {"1e308", "1e400", "&H100000000"}) {
        try {
            const std::string result = ConvertText(text, KilogramsToGrams);
            ADD_FAILURE() << text << " gave " << result;
        } catch (const ArithmeticError& error) {
            EXPECT_EQ(error.kind(), Overflow) << text;
        }
    }
}

} // namespace
} // namespace galvix::unit_calculator
