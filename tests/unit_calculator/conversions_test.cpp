// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions and the mini-calculator on the texts a user would type, and the errors they raise.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "unit_calculator/arithmetic_error.h"
#include "unit_calculator/conversions.h"

namespace galvix::unit_calculator {
namespace {

constexpr auto Overflow = ArithmeticError::Kind::Overflow;
constexpr auto DivisionByZero = ArithmeticError::Kind::DivisionByZero;

struct Conversion {
    const char* text;
    double factor;
    const char* expected;
};

void expectConversions(std::initializer_list<Conversion> conversions)
{
    for (const Conversion& c : conversions)
        EXPECT_EQ(ConvertText(c.text, c.factor), c.expected) << '"' << c.text << "\" times " << c.factor;
}

TEST(ConvertText, ConvertsWeights)
{
    expectConversions({{"1", PoundsToKilograms, "0.453"}, {"0.453", KilogramsToGrams, "453"},
                       {"1", KilogramsToPounds, "2.204"}, {"2.204", PoundsToOunces, "35.264"},
                       {"250", PoundsToKilograms, "113.25"}, {"-1", KilogramsToPounds, "-2.204"},
                       {"2.204", PoundsToKilograms, "0.998412"}});
}

TEST(ConvertText, ConvertsLiquids)
{
    expectConversions({{"1", UsGallonsToLitres, "3.78541"}, {"1", ImperialGallonsToLitres, "4.54609"},
                       {"1", LitresToUsQuarts, "1.05668870743"}, {"1", LitresToUsGallons, "0.26417217686"},
                       {"1", ImperialQuartsToLitres, "1.1365225"}, {"1", UsQuartsToLitres, "0.9463525"},
                       {"1", LitresToImperialGallons, "0.2199692483"}, {"10", UsGallonsToLitres, "37.8541"},
                       {"10", ImperialGallonsToLitres, "45.4609"}, {"10", LitresToUsQuarts, "10.5668870743"},
                       {"10", LitresToUsGallons, "2.6417217686"}, {"10", ImperialQuartsToLitres, "11.365225"},
                       {"10", UsQuartsToLitres, "9.463525"}, {"10", LitresToImperialGallons, "2.199692483"},
                       {"2.5", LitresToUsQuarts, "2.641721768575"}});
}

TEST(ConvertText, ReadsTypedTextAndLetsUnderflowBecomeZero)
{
    expectConversions({{" 2 5 ", PoundsToOunces, "400"}, {"2.5kg", KilogramsToGrams, "2500"},
                       {"1,5", KilogramsToGrams, "1000"}, {"&H10", PoundsToOunces, "256"},
                       {"1e-323", LitresToImperialGallons, "0"}, {"1e300", KilogramsToGrams, "1E+303"}});
    for (const double factor : AllFactors) {
        EXPECT_EQ(ConvertText("", factor), "0") << factor;
        EXPECT_EQ(ConvertText("lb 5", factor), "0") << factor;
    }
}

void expectError(const std::function<std::string()>& operation, ArithmeticError::Kind kind, const std::string& what)
{
    try {
        const std::string text = operation();
        ADD_FAILURE() << what << " gave " << text;
    } catch (const ArithmeticError& error) {
        EXPECT_EQ(error.kind(), kind) << what;
    }
}

TEST(ConvertText, RaisesOverflowForAProductOrANumeralBeyondRange)
{
    for (const char* text : {"1e308", "1e400", "&H100000000"})
        expectError([text] { return ConvertText(text, KilogramsToGrams); }, Overflow, text);
}

const char* symbol(Operator op)
{
    constexpr const char* Symbols[] = {" + ", " - ", " * ", " / "};
    return Symbols[static_cast<int>(op)];
}

TEST(CalculateText, CalculatesWithTheTwoTexts)
{
    const struct {
        const char* first;
        const char* second;
        Operator op;
        const char* expected;
    } calculations[] = {
        {"7", "2", Operator::Sum, "9"}, {"7", "2", Operator::Difference, "5"}, {"7", "2", Operator::Product, "14"},
        {"7", "2", Operator::Quotient, "3.5"}, {"2", "7", Operator::Difference, "-5"},
        {"-7", "2", Operator::Quotient, "-3.5"}, {"", "", Operator::Sum, "0"}, {"0.1", "0.2", Operator::Sum, "0.3"},
        {"1", "3", Operator::Quotient, "0.333333333333333"}, {"0", "5", Operator::Quotient, "0"},
        {"1e-300", "1e-300", Operator::Product, "0"}, {"1e308", "1e308", Operator::Difference, "0"},
        {"&HFFFF", "1", Operator::Sum, "0"}, {"999999999999999", "1", Operator::Sum, "1E+15"},
    };
    for (const auto& c : calculations)
        EXPECT_EQ(CalculateText(c.first, c.second, c.op), c.expected) << c.first << symbol(c.op) << c.second;
}

TEST(CalculateText, RaisesDivisionByZeroOrOverflow)
{
    const struct {
        const char* first;
        const char* second;
        Operator op;
        ArithmeticError::Kind kind;
    } failures[] = {
        {"5", "", Operator::Quotient, DivisionByZero}, {"5", "0", Operator::Quotient, DivisionByZero},
        {"-5", "-0", Operator::Quotient, DivisionByZero}, {"", "", Operator::Quotient, Overflow},
        {"0", "0", Operator::Quotient, Overflow}, {"1E308", "10", Operator::Product, Overflow},
        {"1e308", "1e308", Operator::Sum, Overflow}, {"-1e308", "1e308", Operator::Difference, Overflow},
        {"1", "1e-320", Operator::Quotient, Overflow}, {"1e400", "1", Operator::Sum, Overflow},
        {"1", "&H100000000", Operator::Sum, Overflow},
    };
    for (const auto& f : failures) {
        expectError([&f] { return CalculateText(f.first, f.second, f.op); }, f.kind,
                    std::string(f.first) + symbol(f.op) + f.second);
    }
}

} // namespace
} // namespace galvix::unit_calculator
