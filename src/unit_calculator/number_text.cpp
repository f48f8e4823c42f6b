#include "unit_calculator/number_text.h"

#include <algorithm>
#include <array>
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

// A positive number rounded to fifteen significant digits: the digits as one integer from 1E+14 to
// 999999999999999, and the decimal exponent of the first of them.
struct FifteenDigits {
    std::uint64_t digits = 0;
    int exponent = 0;
};

constexpr int SignificantDigits = 15;

// The conversions below are given buffers that always fit; a failure would be a fault of this file.
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

// Whether `magnitude` is exactly `sixteen` x 10^k, for a sixteen-digit odd integer `sixteen`. With
// 10^k written as 2^k x 5^k, the power of two comes off the double exactly (ldexp) and the rest is
// compared in integers. Beyond |k| = 22 no double is such a number: it would need 5^|k| as a factor
// of its 53-bit significand (k above 0) or of `sixteen` (k below 0), and 5^23 exceeds both.
[[nodiscard]] bool isExactly(double magnitude, std::uint64_t sixteen, int k)
{
    constexpr int MaxPowerOfFive = 22;
    if (k < -MaxPowerOfFive || k > MaxPowerOfFive)
        return false;
    const double scaled = std::ldexp(magnitude, -k);
    if (scaled != std::floor(scaled) || scaled >= 0x1p64)
        return false;
    const auto whole = static_cast<std::uint64_t>(scaled);
    const std::uint64_t fives = powerOfFive(std::abs(k));
    if (k >= 0)
        return whole % fives == 0 && whole / fives == sixteen;
    return sixteen % fives == 0 && sixteen / fives == whole;
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
    const std::string_view scientific(text.data(), static_cast<std::size_t>(written.ptr - text.data()));
    const std::size_t e = scientific.find('e');
    const std::string_view exponentText = scientific.substr(e + (scientific[e + 1] == '+' ? 2 : 1));

    FifteenDigits result;
    for (const char c : scientific.substr(0, e)) {
        if (c != '.')
            result.digits = result.digits * 10 + static_cast<std::uint64_t>(c - '0');
    }
    const auto read = std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(),
                                      result.exponent);
    check(read.ec == std::errc{} && read.ptr == exponentText.data() + exponentText.size(),
          "the exponent to_chars wrote does not read back");

    const int sixteenthDigitPower = result.exponent - SignificantDigits;
    if (isExactly(magnitude, result.digits * 10 + 5, sixteenthDigitPower))
        ++result.digits;
    return result;
}

// Writes the digits as the calculator shows them: exponent form from 1E+15 up and below 1E-04, plain
// decimals between, no trailing zeros and no point for an integral value.
[[nodiscard]] std::string layOut(bool negative, FifteenDigits number)
{
    std::array<char, SignificantDigits> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), number.digits);
    check(written.ec == std::errc{} && written.ptr == digits.data() + digits.size(), "not fifteen digits");
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
