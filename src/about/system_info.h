// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding and starting the system's system-information tool, as the About box's "System Info..."
// button does: two registry lookups, a file test and a program start, where every failure ends in
// one message.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/registry.h"

namespace galvix::platform {
class FileSystem;
class MessageBox;
class ProgramStarter;
} // namespace galvix::platform

namespace galvix::about {

// Where the tool is recorded. The first value holds the tool's full path; the second the folder
// that holds MSINFO32.EXE.
using platform::SysInfoPathKey;
using platform::SysInfoPathValue;
inline constexpr std::string_view SysInfoFolderKey = R"(SOFTWARE\Microsoft\Shared Tools Location)";
inline constexpr std::string_view SysInfoFolderValue = "MSINFO";
inline constexpr std::string_view SysInfoProgramFile = R"(\MSINFO32.EXE)";

inline constexpr std::string_view SysInfoUnavailable = "System Information Is Unavailable At This Time";

// The rights the lookup asks for when it opens a key: query and set value, create and enumerate
// sub-keys, notify, create link and read control (KEY_ALL_ACCESS without delete).
inline constexpr std::uint32_t KeyAccess = 0x2003FU;
// The bytes offered for a value; a longer value is not read.
inline constexpr std::uint32_t ValueBufferSize = 1024;

// A value that fills the whole buffer without a terminating zero byte.
class UnterminatedValueError : public std::runtime_error {
public:
    UnterminatedValueError()
        : std::runtime_error("registry value without a terminating zero")
    {
    }
};

// Reads the value `subKeyRef` of the key `keyName` under `keyRoot` into `keyVal`.
// True when the value was read, whatever its type: a text (type 1) is given as it is; a 32-bit
// number (type 4) as "&h" and the hexadecimal codes of its bytes, last to first, up to its first
// zero byte ("&h2710" for 10000); any other type leaves `keyVal` as it was. False, with `keyVal`
// emptied, when the key cannot be opened or the value cannot be read. Throws
// UnterminatedValueError when the value fills the buffer with no zero byte. The key is closed on
// every way out.
bool GetKeyValue(platform::Registry& registry, platform::RegistryKey keyRoot, std::string_view keyName,
                 std::string_view subKeyRef, std::string& keyVal);

// What StartSysInfo needs of the platform.
struct SysInfoServices {
    platform::Registry& registry;
    const platform::FileSystem& files;
    platform::ProgramStarter& programs;
};

// Looks the tool up (the first value, else MSINFO32.EXE in the second value's folder) and starts
// it. Every failure on the way, a thrown error included, shows SysInfoUnavailable in `messages`;
// nothing escapes.
void StartSysInfo(const SysInfoServices& services, platform::MessageBox& messages);

} // namespace galvix::about
