// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A registry key under HKEY_CURRENT_USER that a test fills and that is deleted again, with all it
// holds, when the test ends.

#include <windows.h>

#include <string>

namespace galvix::testing {

class RegistryTestKey {
public:
    // `path` is below HKEY_CURRENT_USER, and must not exist yet.
    explicit RegistryTestKey(std::string path)
        : m_path(std::move(path))
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
        RegCreateKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &m_key,
                        nullptr);
    }
    ~RegistryTestKey()
    {
        RegCloseKey(m_key);
        RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
    }
    RegistryTestKey(const RegistryTestKey&) = delete;
    RegistryTestKey& operator=(const RegistryTestKey&) = delete;

    [[nodiscard]] const std::string& path() const { return m_path; }

    // Stores `bytes` exactly as given: a text's terminating zero only where the caller puts one.
    LONG set(const std::string& name, DWORD type, const std::string& bytes) const
    {
        return RegSetValueExA(m_key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                              static_cast<DWORD>(bytes.size()));
    }

    // Stores a text as Windows keeps texts: in UTF-16, with its terminating zero.
    LONG setText(const std::string& name, const std::string& utf8) const
    {
        const std::wstring wideName = widen(name);
        const std::wstring text = widen(utf8);
        return RegSetValueExW(m_key, wideName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                              static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

    // The value as stored, or nothing when there is none.
    [[nodiscard]] std::string get(const std::string& name, DWORD& type) const
    {
        DWORD size = 0;
        if (RegQueryValueExA(m_key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return {};
        std::string bytes(size, '\0');
        RegQueryValueExA(m_key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size);
        bytes.resize(size);
        return bytes;
    }

private:
    static std::wstring widen(const std::string& utf8)
    {
        const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
        std::wstring wide(static_cast<std::size_t>(length), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
        return wide;
    }

    std::string m_path;
    HKEY m_key = nullptr;
};

} // namespace galvix::testing
