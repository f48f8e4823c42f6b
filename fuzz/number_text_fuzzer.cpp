// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer entry point for the calculator's number operations; the checks live in
// number_text_check.cpp so that the seed corpus can be replayed without libFuzzer.

#include <cstddef>
#include <cstdint>

#include "number_text_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    galvix::fuzz::checkNumberText(data, size);
    return 0;
}
