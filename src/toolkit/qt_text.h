// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts crossing from the standard library into Qt. Every text of ours is UTF-8: the tables'
// captions and names, the core's results, the paths and values the platform interfaces carry.

#include <QString>

#include <string_view>

namespace galvix::toolkit {

[[nodiscard]] inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace galvix::toolkit
