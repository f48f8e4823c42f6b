#include "unit_calculator/number_text.h"

#include <array>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>

#include "unit_calculator/arithmetic_error.h"

namespace galvix::unit_calculator {

namespace {

[[nodiscard]] constexpr bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
[[nodiscard]] constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The position of the first character at or after `pos` that is not a blank.
[[nodiscard]] std::size_t skipBlanks(std::string_view text, std::size_t pos)
{
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    return pos;
}

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

// "&H" and "&O" integers: the digits that follow, blanks skipped, up to the first that does not fit
// the radix. Up to FFFF the value is a signed 16-bit integer, above that a signed 32-bit one; a value
// beyond 32 bits is refused rather than wrapped.
[[nodiscard]] double readRadixInteger(std::string_view text, std::size_t pos, int radix)
{
    constexpr std::uint64_t Max32 = 0xFFFF'FFFFU;
    std::uint64_t value = 0;
    for (pos = skipBlanks(text, pos); pos < text.size(); pos = skipBlanks(text, pos + 1)) {
        const int digit = digitValue(text[pos], radix);
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

// Where a decimal numeral starting at `start` ends, skipping blanks inside it: [sign] digits
// [point digits] [E [sign] digits], with at least one mantissa digit. Returns `start` when there is
// no numeral. The exponent counts only when it has a digit: "2e" and "2e+" are read as 2.
[[nodiscard]] std::size_t numeralEnd(std::string_view text, std::size_t start)
{
    std::size_t pos = start;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        pos = skipBlanks(text, pos + 1);
    bool mantissaDigit = false;
    std::size_t end = start;
    for (; pos < text.size() && isDigit(text[pos]); pos = skipBlanks(text, pos + 1)) {
        mantissaDigit = true;
        end = pos + 1;
    }
    if (pos < text.size() && text[pos] == '.') {
        if (mantissaDigit)
            end = pos + 1;
        for (pos = skipBlanks(text, pos + 1); pos < text.size() && isDigit(text[pos]);
             pos = skipBlanks(text, pos + 1)) {
            mantissaDigit = true;
            end = pos + 1;
        }
    }
    if (!mantissaDigit)
        return start;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        pos = skipBlanks(text, pos + 1);
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
            pos = skipBlanks(text, pos + 1);
        for (; pos < text.size() && isDigit(text[pos]); pos = skipBlanks(text, pos + 1))
            end = pos + 1;
    }
    return end;
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

// Reads correctly rounded to nearest whatever rounding mode the process has set, so that a text
// always reads as the same number.
class RoundToNearest {
public:
    RoundToNearest()
        : m_mode(std::fegetround())
    {
        if (m_mode != FE_TONEAREST)
            std::fesetround(FE_TONEAREST);
    }
    ~RoundToNearest()
    {
        if (m_mode != FE_TONEAREST)
            std::fesetround(m_mode);
    }
    RoundToNearest(const RoundToNearest&) = delete;
    RoundToNearest& operator=(const RoundToNearest&) = delete;

private:
    int m_mode;
};

// A compact numeral (no blanks, no plus sign) as a double.
[[nodiscard]] double readNumeral(std::string_view numeral)
{
    double value = 0;
    std::from_chars_result result{};
    {
        const RoundToNearest nearest;
        result = std::from_chars(numeral.data(), numeral.data() + numeral.size(), value);
    }
    if (result.ec == std::errc::result_out_of_range) {
        const bool negative = numeral.front() == '-';
        const Scientific scientific = scientificOf(numeral);
        if (scientific.exponent <= 0)
            return negative ? -0.0 : 0.0; // too small: underflow is not an error
        if (!roundsToLargestWritten(scientific))
            throw ArithmeticError(ArithmeticError::Kind::Overflow);
        const double largest = std::numeric_limits<double>::max();
        return negative ? -largest : largest;
    }
    return result.ec == std::errc{} ? value : 0.0;
}

} // namespace

double ReadNumber(std::string_view text)
{
    std::size_t start = skipBlanks(text, 0);
    if (start < text.size() && text[start] == '&') {
        const std::size_t letter = skipBlanks(text, start + 1);
        if (letter < text.size()) {
            if (text[letter] == 'H' || text[letter] == 'h')
                return readRadixInteger(text, letter + 1, 16);
            if (text[letter] == 'O' || text[letter] == 'o')
                return readRadixInteger(text, letter + 1, 8);
        }
        return 0.0;
    }

    const std::size_t end = numeralEnd(text, start);
    if (end == start)
        return 0.0;
    if (text[start] == '+')
        ++start; // the standard reader takes a minus sign only
    std::string_view numeral = text.substr(start, end - start);
    std::string compact;
    if (numeral.find_first_of(" \t\n") != std::string_view::npos) {
        compact.reserve(numeral.size());
        for (const char c : numeral) {
            if (!isBlank(c))
                compact += c;
        }
        numeral = compact;
    }
    return readNumeral(numeral);
}

std::string WriteNumber(double value)
{
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value > 0 ? "Infinity" : "-Infinity";
    if (value == 0)
        return "0";

    // Fifteen significant digits, correctly rounded from the exact binary value ("d.dddde+XX"),
    // by a conversion that depends on neither the locale nor the rounding mode.
    std::array<char, 32> scientific{};
    const auto written = std::to_chars(scientific.data(), scientific.data() + scientific.size(),
                                       std::fabs(value), std::chars_format::scientific, 14);
    std::array<char, 15> digits{};
    digits[0] = scientific[0];
    for (std::size_t i = 1; i < digits.size(); ++i)
        digits[i] = scientific[i + 1];
    int exponent = 0;
    const char* exponentText = scientific.data() + 17; // after "d.dddddddddddddde"
    if (*exponentText == '+')
        ++exponentText;
    std::from_chars(exponentText, written.ptr, exponent);
    std::size_t count = digits.size();
    while (count > 1 && digits[count - 1] == '0')
        --count;

    std::array<char, 32> out{};
    std::size_t size = 0;
    const auto put = [&out, &size](char c) { out[size++] = c; };
    if (value < 0)
        put('-');
    if (exponent >= 15 || exponent < -4) {
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

} // namespace galvix::unit_calculator
