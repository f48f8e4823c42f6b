// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What must hold for any input to the calculator's number operations, shared by the fuzzer and by
// the replay of its seed corpus in the ordinary test run. A violation prints what went wrong and
// aborts.

#include <cstddef>
#include <cstdint>

namespace galvix::fuzz {

// Runs the input through ReadNumber, ConvertText with every factor and CalculateText with every
// operator (the text before the first '|' as first operand, the rest as second), and writes the
// double whose bytes the input starts with.
void checkNumberText(const std::uint8_t* data, std::size_t size);

} // namespace galvix::fuzz
