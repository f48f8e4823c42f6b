// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/registry.h"

#include <windows.h>

#include <cstring>
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

// Names go to the system in UTF-16, converted from UTF-8 without loss; a byte sequence that is not
// UTF-8 becomes U+FFFD, which no name of a key or value Galvix looks for holds.
std::wstring toWide(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int length = static_cast<int>(utf8.size());
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wideLength);
    return wide;
}

// A text value's UTF-16 bytes, terminating zero included where the value has one, as UTF-8. An odd
// last byte, which no UTF-16 text has, is dropped.
std::string textToUtf8(const std::string& bytes)
{
    const int wideLength = static_cast<int>(bytes.size() / sizeof(wchar_t));
    if (wideLength == 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    std::memcpy(wide.data(), bytes.data(), wide.size() * sizeof(wchar_t));
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

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
    const LONG status = RegOpenKeyExW(static_cast<HKEY>(parent), toWide(subKey).c_str(), options, access, &opened);
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
    // The whole value is read into a buffer of its own first: the size the caller is told is that
    // of the text in UTF-8, known only once it has been read and converted. A value that grows
    // between the two reads is read again.
    const std::wstring name = toWide(valueName);
    DWORD valueType = 0;
    std::string value;
    LONG status = ERROR_MORE_DATA;
    while (status == ERROR_MORE_DATA) {
        DWORD size = 0;
        status = RegQueryValueExW(static_cast<HKEY>(open), name.c_str(), nullptr, &valueType, nullptr, &size);
        if (status != ERROR_SUCCESS)
            return status;
        value.resize(size);
        status = RegQueryValueExW(static_cast<HKEY>(open), name.c_str(), nullptr, &valueType,
                                  reinterpret_cast<BYTE*>(value.data()), &size);
        if (status == ERROR_SUCCESS)
            value.resize(size);
    }
    if (status != ERROR_SUCCESS)
        return status;
    return answerQuery(isText(valueType) ? textToUtf8(value) : value, valueType, type, data, dataSize);
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
