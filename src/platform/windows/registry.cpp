// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/registry.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace galvix::platform {

namespace {

// The predefined keys, HKEY_CLASSES_ROOT (0x80000000) to HKEY_CURRENT_CONFIG (0x80000005), are
// 32-bit numbers that the system widens with their sign.
constexpr RegistryKey FirstRootKey = 0x80000000U;
constexpr RegistryKey LastRootKey = 0x80000005U;

bool isRootKey(RegistryKey key) { return key >= FirstRootKey && key <= LastRootKey; }

HKEY rootKey(RegistryKey key)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(key))));
}

// Converts between two code pages through UTF-16, zero bytes included. Characters the target
// cannot show become its default character.
std::string convert(std::string_view text, UINT from, UINT to)
{
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int wideLength = MultiByteToWideChar(from, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(from, 0, text.data(), length, wide.data(), wideLength);
    const int outLength = WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(outLength), '\0');
    WideCharToMultiByte(to, 0, wide.data(), wideLength, out.data(), outLength, nullptr, nullptr);
    return out;
}

std::string toAnsi(std::string_view utf8) { return convert(utf8, CP_UTF8, CP_ACP); }

bool isText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

} // namespace

WinRegistry::~WinRegistry()
{
    for (const auto& [number, key] : m_open)
        RegCloseKey(static_cast<HKEY>(key));
}

void* WinRegistry::systemKey(RegistryKey key) const
{
    if (isRootKey(key))
        return rootKey(key);
    const auto open = m_open.find(key);
    return open == m_open.end() ? nullptr : open->second;
}

RegistryStatus WinRegistry::openKey(RegistryKey root, std::string_view subKey, std::uint32_t options,
                                    std::uint32_t access, RegistryKey& handle)
{
    void* parent = systemKey(root);
    if (parent == nullptr)
        return regstatus::InvalidHandle;
    HKEY opened = nullptr;
    const LONG status =
        RegOpenKeyExA(static_cast<HKEY>(parent), toAnsi(subKey).c_str(), options, access, &opened);
    if (status != ERROR_SUCCESS)
        return status;
    // Numbers of our own are handed out once each, never zero and never a root key's.
    handle = m_next++;
    m_open.emplace(handle, opened);
    return regstatus::Success;
}

RegistryStatus WinRegistry::queryValue(RegistryKey key, std::string_view valueName, std::uint32_t& type,
                                       std::span<char> data, std::uint32_t& dataSize)
{
    void* open = systemKey(key);
    if (open == nullptr)
        return regstatus::InvalidHandle;
    DWORD valueType = 0;
    DWORD size = std::min<DWORD>(dataSize, static_cast<DWORD>(data.size()));
    const LONG status = RegQueryValueExA(static_cast<HKEY>(open), toAnsi(valueName).c_str(), nullptr,
                                         &valueType, reinterpret_cast<BYTE*>(data.data()), &size);
    type = valueType;
    dataSize = size;
    if (status != ERROR_SUCCESS || !isText(valueType))
        return status;
    // A text comes in the ANSI code page. In UTF-8 it can only grow; one that then no longer fits
    // the caller's buffer is treated as any value too long for it.
    const std::string text = convert(std::string_view(data.data(), size), CP_ACP, CP_UTF8);
    if (text.size() > data.size())
        return regstatus::MoreData;
    std::ranges::copy(text, data.begin());
    dataSize = static_cast<std::uint32_t>(text.size());
    return regstatus::Success;
}

RegistryStatus WinRegistry::closeKey(RegistryKey key)
{
    const auto open = m_open.find(key);
    if (open == m_open.end())
        return isRootKey(key) ? regstatus::Success : regstatus::InvalidHandle;
    const LONG status = RegCloseKey(static_cast<HKEY>(open->second));
    m_open.erase(open);
    return status;
}

} // namespace galvix::platform
