// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit_calculator/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>
#include <string>
#include <stdexcept>
#include <system_error>

#include "unit_calculator/arithmetic_error.h"

namespace galvix::unit_calculator {

namespace {

[[nodiscard]] constexpr bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
[[nodiscard]] constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

[[nodiscard]] int digitValue(char c, int radix)
{
    int value = radix;
    if (isDigit(c))
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < radix ? value : -1;
}

// The digits of an "&H" or "&O" integer, up to the first that does not fit the radix. Up to FFFF the
// value is a signed 16-bit integer, above that a signed 32-bit one; a value beyond 32 bits is
// refused rather than wrapped.
[[nodiscard]] double readRadixInteger(std::string_view digits, int radix)
{
    constexpr std::uint64_t Max32 = 0xFFFF'FFFFU;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = digitValue(c, radix);
        if (digit < 0)
            break;
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
        if (value > Max32)
            throw ArithmeticError(ArithmeticError::Kind::Overflow);
    }
    if (value <= 0xFFFFU)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// A numeral in scientific terms: the decimal exponent of its leading significant digit and its
// first 16 significant digits, padded with zeros. The counts saturate, so any length works.
struct Scientific {
    std::int64_t exponent = 0;
    std::array<char, 16> digits{};
};

[[nodiscard]] Scientific scientificOf(std::string_view numeral)
{
    constexpr std::int64_t Cap = std::int64_t{1} << 40;
    Scientific result;
    result.digits.fill('0');
    std::size_t stored = 0;
    std::int64_t integerDigits = 0;
    std::int64_t fractionZeros = 0;
    bool significant = false;
    const auto take = [&](char digit) {
        significant = significant || digit != '0';
        if (significant && stored < result.digits.size())
            result.digits[stored++] = digit;
        return significant;
    };
    std::size_t pos = numeral.starts_with('-') ? 1 : 0;
    for (; pos < numeral.size() && isDigit(numeral[pos]); ++pos) {
        if (take(numeral[pos]) && integerDigits < Cap)
            ++integerDigits;
    }
    if (pos < numeral.size() && numeral[pos] == '.') {
        for (++pos; pos < numeral.size() && isDigit(numeral[pos]); ++pos) {
            if (!take(numeral[pos]) && fractionZeros < Cap)
                ++fractionZeros;
        }
    }
    std::int64_t exponent = 0;
    if (pos < numeral.size()) {
        ++pos; // the E
        const bool negative = pos < numeral.size() && numeral[pos] == '-';
        if (pos < numeral.size() && (numeral[pos] == '-' || numeral[pos] == '+'))
            ++pos;
        for (; pos < numeral.size(); ++pos)
            exponent = std::min(Cap, exponent * 10 + (numeral[pos] - '0'));
        exponent = negative ? -exponent : exponent;
    }
    result.exponent = exponent + (integerDigits > 0 ? integerDigits - 1 : -(fractionZeros + 1));
    return result;
}

// The largest double is written "1.79769313486232E+308", which lies just beyond it; so that every
// written number reads back, numerals below 1.797693134862325E+308 (all those that round to that
// text) read as the largest double instead of overflowing.
[[nodiscard]] bool roundsToLargestWritten(const Scientific& numeral)
{
    constexpr std::string_view Limit = "1797693134862325";
    return numeral.exponent == 308
           && std::string_view(numeral.digits.data(), numeral.digits.size()) < Limit;
}

// A decimal numeral: the standard reader takes the longest prefix of the form [-]digits[.digits]
// [E[sign]digits], which is the program's own rule once a plus sign is stepped over and a text
// that does not start with a digit or a point (such as "inf" or "nan") is turned away.
[[nodiscard]] double readDecimal(std::string_view text)
{
    std::size_t start = 0;
    if (text.starts_with('+'))
        start = 1;
    const std::size_t mantissa = start + (start == 0 && text.starts_with('-') ? 1 : 0);
    if (mantissa >= text.size() || (!isDigit(text[mantissa]) && text[mantissa] != '.'))
        return 0.0;

    const char* first = text.data() + start;
    double value = 0;
    const std::from_chars_result result = std::from_chars(first, text.data() + text.size(), value);
    if (result.ec == std::errc::invalid_argument)
        return 0.0; // a point without digits
    if (result.ec == std::errc{})
        return value;

    const std::string_view numeral(first, static_cast<std::size_t>(result.ptr - first));
    const bool negative = numeral.front() == '-';
    const Scientific scientific = scientificOf(numeral);
    if (scientific.exponent <= 0)
        return negative ? -0.0 : 0.0; // too small: underflow is not an error
    if (!roundsToLargestWritten(scientific))
        throw ArithmeticError(ArithmeticError::Kind::Overflow);
    const double largest = std::numeric_limits<double>::max();
    return negative ? -largest : largest;
}

// A text with its blanks removed.
[[nodiscard]] double readCompact(std::string_view text)
{
    if (text.size() >= 2 && text[0] == '&') {
        if (text[1] == 'H' || text[1] == 'h')
            return readRadixInteger(text.substr(2), 16);
        if (text[1] == 'O' || text[1] == 'o')
            return readRadixInteger(text.substr(2), 8);
    }
    return readDecimal(text);
}

constexpr int SignificantDigits = 15;

// A positive number rounded to fifteen significant digits: the digits, and the decimal exponent of
// the first of them.
struct FifteenDigits {
    std::array<char, SignificantDigits> digits{};
    int exponent = 0;
};

// The conversions below are given buffers that always fit and text they wrote themselves; a failure
// would be a fault of this file.
void check(bool holds, const char* what)
{
    if (!holds)
        throw std::logic_error(what);
}

[[nodiscard]] constexpr std::uint64_t powerOfFive(int n)
{
    std::uint64_t result = 1;
    for (int i = 0; i < n; ++i)
        result *= 5;
    return result;
}

// A positive finite double as an odd integer times a power of two.
struct OddTimesPowerOfTwo {
    std::uint64_t odd = 0;
    int power = 0;
};

[[nodiscard]] OddTimesPowerOfTwo split(double magnitude)
{
    constexpr int SignificandBits = 52;
    constexpr int SubnormalPower = -1074; // the power of the significand's last bit, 2^-1074
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const auto biasedExponent = static_cast<int>(bits >> SignificandBits);
    std::uint64_t significand = bits & ((std::uint64_t{1} << SignificandBits) - 1);
    int power = SubnormalPower;
    if (biasedExponent != 0) {
        significand |= std::uint64_t{1} << SignificandBits;
        power += biasedExponent - 1;
    }
    const int zeros = std::countr_zero(significand);
    return {significand >> zeros, power + zeros};
}

// Whether `magnitude` lies exactly halfway above the fifteen digits it was rounded to: whether it is
// `sixteen` x 10^k, where `sixteen` is those digits followed by a 5 and k the power of that 5. As an
// odd integer times a power of two, such a number is (sixteen x 5^k) x 2^k for k from 0 up and
// (sixteen / 5^-k) x 2^k below: its power of two is k, which rules out nearly every double at once.
// Its odd part has at most 53 bits, and 5^23 needs more, so beyond |k| = 22 nothing is halfway.
[[nodiscard]] bool isTieAbove(double magnitude, const FifteenDigits& rounded)
{
    constexpr int MaxPowerOfFive = 22;
    const int k = rounded.exponent - SignificantDigits;
    const OddTimesPowerOfTwo parts = split(magnitude);
    if (parts.power != k || k < -MaxPowerOfFive || k > MaxPowerOfFive)
        return false;
    std::uint64_t sixteen = 0;
    for (const char digit : rounded.digits)
        sixteen = sixteen * 10 + static_cast<std::uint64_t>(digit - '0');
    sixteen = sixteen * 10 + 5;
    const std::uint64_t fives = powerOfFive(std::abs(k));
    if (k >= 0)
        return parts.odd % fives == 0 && parts.odd / fives == sixteen;
    return sixteen % fives == 0 && sixteen / fives == parts.odd;
}

// Fifteen significant digits, correctly rounded from the exact binary value by a conversion that
// depends on neither the locale nor the rounding mode. That conversion takes a value exactly
// halfway between two fifteen-digit numbers to the even one; the calculator rounds such a tie away
// from zero, as the platform's own conversion of a double to text does (999999999999090.5 is
// written 999999999999091), so a tie that went down is moved up one unit. A tie that went up needs
// nothing, and moving up from an even last digit never carries.
[[nodiscard]] FifteenDigits roundToFifteenDigits(double magnitude)
{
    // "d.ddddddddddddddde+XXX": fourteen digits after the point, then the exponent.
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                       std::chars_format::scientific, SignificantDigits - 1);
    check(written.ec == std::errc{}, "to_chars could not write the digits of a double");
    FifteenDigits result;
    result.digits[0] = text[0];
    std::copy_n(text.begin() + 2, SignificantDigits - 1, result.digits.begin() + 1); // after "d."
    const char* exponentText = text.data() + SignificantDigits + 2; // after "d.", the digits and "e"
    if (*exponentText == '+')
        ++exponentText;
    const auto read = std::from_chars(exponentText, written.ptr, result.exponent);
    check(read.ec == std::errc{} && read.ptr == written.ptr, "the exponent to_chars wrote does not read back");

    if (isTieAbove(magnitude, result))
        ++result.digits.back();
    return result;
}

// Writes the digits as the calculator shows them: exponent form from 1E+15 up and below 1E-04, plain
// decimals between, no trailing zeros and no point for an integral value.
[[nodiscard]] std::string layOut(bool negative, const FifteenDigits& number)
{
    const std::array<char, SignificantDigits>& digits = number.digits;
    std::size_t count = digits.size();
    while (count > 1 && digits[count - 1] == '0')
        --count;
    const int exponent = number.exponent;

    // At most a sign, fifteen digits, a point and "E+308", or a sign, "0.000" and fifteen digits.
    std::array<char, 24> out{};
    std::size_t size = 0;
    const auto put = [&out, &size](char c) { out[size++] = c; };
    if (negative)
        put('-');
    if (exponent >= SignificantDigits || exponent < -4) {
        put(digits[0]);
        if (count > 1)
            put('.');
        for (std::size_t i = 1; i < count; ++i)
            put(digits[i]);
        put('E');
        put(exponent < 0 ? '-' : '+');
        const int magnitude = std::abs(exponent);
        if (magnitude >= 100)
            put(static_cast<char>('0' + magnitude / 100));
        put(static_cast<char>('0' + magnitude / 10 % 10));
        put(static_cast<char>('0' + magnitude % 10));
    } else if (exponent >= 0) {
        const auto integerDigits = static_cast<std::size_t>(exponent) + 1;
        for (std::size_t i = 0; i < integerDigits; ++i)
            put(i < count ? digits[i] : '0');
        if (count > integerDigits)
            put('.');
        for (std::size_t i = integerDigits; i < count; ++i)
            put(digits[i]);
    } else {
        put('0');
        put('.');
        for (int i = -1; i > exponent; --i)
            put('0');
        for (std::size_t i = 0; i < count; ++i)
            put(digits[i]);
    }
    return {out.data(), size};
}

} // namespace

double ReadNumber(std::string_view text)
{
    if (std::ranges::none_of(text, isBlank))
        return readCompact(text);
    std::string compact;
    compact.reserve(text.size());
    std::ranges::copy_if(text, std::back_inserter(compact), [](char c) { return !isBlank(c); });
    return readCompact(compact);
}

std::string WriteNumber(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0)
        return "0";
    return layOut(value < 0, roundToFifteenDigits(std::fabs(value)));
}

} // namespace galvix::unit_calculator
