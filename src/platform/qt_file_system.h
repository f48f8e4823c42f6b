#pragma once
// The file existence test on the local file system.

#include "platform/file_system.h"

namespace galvix::platform {

class QtFileSystem final : public FileSystem {
public:
    [[nodiscard]] std::string fileName(std::string_view path) const override;
};

} // namespace galvix::platform
