// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system registry, as the three calls the About box makes: open a key under a root, query one
// value into the caller's buffer, close the key. Each call returns a status, 0 for success, so that
// a caller written against the Windows functions runs unchanged against any back-end.

#include <cstdint>
#include <span>
#include <span>
#include <string_view>

namespace galvix::platform {

// A key handle, including the predefined root keys. Zero is never a handle of an open key.
using RegistryKey = std::uint32_t;
using RegistryStatus = std::int32_t;

inline constexpr RegistryKey HkeyLocalMachine = 0x80000002U;

// Where Windows records the full path of its system-information tool, MSINFO32.
inline constexpr std::string_view SysInfoPathKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
inline constexpr std::string_view SysInfoPathValue = "PATH";

namespace regstatus {
inline constexpr RegistryStatus Success = 0;
inline constexpr RegistryStatus FileNotFound = 2; // no such key or value
inline constexpr RegistryStatus AccessDenied = 5;
inline constexpr RegistryStatus InvalidHandle = 6;
inline constexpr RegistryStatus MoreData = 234; // the value does not fit the caller's buffer
} // namespace regstatus

// Value types as the registry reports them.
namespace regtype {
inline constexpr std::uint32_t Text = 1;           // REG_SZ
inline constexpr std::uint32_t ExpandableText = 2; // REG_EXPAND_SZ
inline constexpr std::uint32_t Binary = 3;         // REG_BINARY
inline constexpr std::uint32_t Number32 = 4;       // REG_DWORD, low byte first
} // namespace regtype

class Registry {
public:
    virtual ~Registry() = default;

    // Opens `subKey` under `root`; on success `handle` receives the open key.
    virtual RegistryStatus openKey(RegistryKey root, std::string_view subKey, std::uint32_t options,
                                   std::uint32_t access, RegistryKey& handle) = 0;

    // Reads the value `valueName` of an open key into `data`. `dataSize` goes in as the number of
    // bytes the caller offers and comes back as the number of bytes the value holds; `type`
    // receives the value's type. A value larger than the buffer answers MoreData (answerQuery
    // below). Text values are UTF-8 and carry their terminating zero.
    virtual RegistryStatus queryValue(RegistryKey key, std::string_view valueName, std::uint32_t& type,
                                      std::span<char> data, std::uint32_t& dataSize) = 0;

    virtual RegistryStatus closeKey(RegistryKey key) = 0;
};

// Answers a query for a value of type `valueType` that holds `value` (a text in UTF-8 with its
// terminating zero), as every back-end must: `type` receives the value's type; `dataSize` comes
// back as the size of the whole value; the value is copied only when it fits the smaller of the
// offered size and the buffer, and answers MoreData, copying nothing, when it does not.
[[nodiscard]] RegistryStatus answerQuery(std::string_view value, std::uint32_t valueType, std::uint32_t& type,
                                         std::span<char> data, std::uint32_t& dataSize);

// Key and value names compare without regard to case, as the registry's do.
[[nodiscard]] bool sameRegistryName(std::string_view a, std::string_view b);

} // namespace galvix::platform
