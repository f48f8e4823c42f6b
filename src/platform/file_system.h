// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file existence test: whether a path names an ordinary file.

#include <string>
#include <string_view>

namespace galvix::platform {

class FileSystem {
public:
    virtual ~FileSystem() = default;

    // The file's name (its last path component) when `path` names an existing ordinary file, else
    // the empty text. Folders do not count as files.
    [[nodiscard]] virtual std::string fileName(std::string_view path) const = 0;
};

} // namespace galvix::platform
