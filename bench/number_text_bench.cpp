// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// ReadNumber and WriteNumber beside the standard conversions they are built on, over the same
// inputs: the fields' own rules (blanks, prefixes, 15 digits, exponent form) should cost little.

#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <limits>
#include <string>
#include <string_view>

#include "unit_calculator/number_text.h"

namespace {

using galvix::unit_calculator::ReadNumber;
using galvix::unit_calculator::WriteNumber;

// Numerals as result fields hold them, which the standard reader takes as they stand.
constexpr std::array<std::string_view, 8> Numerals{
    "0.453", "35.264", "2.641721768575", "123456789012345", "0.333333333333333", "1.79769313486231E+308",
    "-1.5E-07", "10",
};

// What a cook might type: blanks, units and commas that ReadNumber has to step over.
constexpr std::array<std::string_view, 4> TypedTexts{" 1 25 g", "2.5kg", "1,5", "&HFFFF"};

constexpr std::array<double, 8> Values{
    0.453, 35.264, 1.0 / 3, 2.641721768575, 123456789012345, -1.5e-7, std::numeric_limits<double>::max(), 10,
};

// ReadNumber over one list of texts: the numerals shared with from_chars, or texts as a cook types them.
template <const auto& Texts>
void readAll(benchmark::State& state)
{
    for (auto _ : state) {
        for (const std::string_view text : Texts)
            benchmark::DoNotOptimize(ReadNumber(text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Texts.size()));
}

void BM_ReadNumber(benchmark::State& state) { readAll<Numerals>(state); }
BENCHMARK(BM_ReadNumber);

void BM_FromChars(benchmark::State& state)
{
    for (auto _ : state) {
        for (const std::string_view text : Numerals) {
            double value = 0;
            std::from_chars(text.data(), text.data() + text.size(), value);
            benchmark::DoNotOptimize(value);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Numerals.size()));
}
BENCHMARK(BM_FromChars);

void BM_ReadNumberTypedText(benchmark::State& state) { readAll<TypedTexts>(state); }
BENCHMARK(BM_ReadNumberTypedText);

void BM_WriteNumber(benchmark::State& state)
{
    for (auto _ : state) {
        for (const double value : Values)
            benchmark::DoNotOptimize(WriteNumber(value));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Values.size()));
}
BENCHMARK(BM_WriteNumber);

// The conversion WriteNumber starts from: 15 significant digits in scientific form.
void BM_ToCharsFifteenDigits(benchmark::State& state)
{
    std::array<char, 32> buffer{};
    for (auto _ : state) {
        for (const double value : Values) {
            const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                              std::chars_format::scientific, 14);
            benchmark::DoNotOptimize(result.ptr);
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Values.size()));
}
BENCHMARK(BM_ToCharsFifteenDigits);

// The shortest text that reads back exactly, for comparison.
void BM_ToCharsShortest(benchmark::State& state)
{
    std::array<char, 32> buffer{};
    for (auto _ : state) {
        for (const double value : Values) {
            const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
            benchmark::DoNotOptimize(result.ptr);
            benchmark::ClobberMemory();
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(Values.size()));
}
BENCHMARK(BM_ToCharsShortest);

} // namespace
