// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry.h"

#include <algorithm>

namespace galvix::platform {

RegistryStatus answerQuery(std::string_view value, std::uint32_t valueType, std::uint32_t& type,
                           std::span<char> data, std::uint32_t& dataSize)
{
    const std::size_t offered = std::min<std::size_t>(dataSize, data.size());
    type = valueType;
    dataSize = static_cast<std::uint32_t>(value.size());
    if (value.size() > offered)
        return regstatus::MoreData;
    std::ranges::copy(value, data.begin());
    return regstatus::Success;
}

bool sameRegistryName(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

} // namespace galvix::platform
