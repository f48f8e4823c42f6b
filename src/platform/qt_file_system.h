// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file existence test on the local file system.

#include "platform/file_system.h"

namespace galvix::platform {

class QtFileSystem final : public FileSystem {
public:
    [[nodiscard]] std::string fileName(std::string_view path) const override;
};

} // namespace galvix::platform
