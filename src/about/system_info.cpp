// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "about/system_info.h"

#include <array>

#include "platform/file_system.h"
#include "platform/message_box.h"
#include "platform/program_starter.h"

namespace galvix::about {

namespace {

using platform::RegistryKey;

// The hexadecimal code of one character, in capitals and without leading zeros: "A", "27", "FF".
std::string hexCode(char c)
{
    constexpr std::string_view Digits = "0123456789ABCDEF";
    const auto code = static_cast<unsigned char>(c);
    std::string text;
    if (code >= 16U)
        text += Digits[code / 16U];
    text += Digits[code % 16U];
    return text;
}

// "&h" and the codes of the characters from the last to the first. The value's zero bytes have
// already cut it short, and a code below 16 gives one digit, so this is not always the number the
// value holds; it only has to be a text that never names a program.
//
// The general formatting without a format, which this text then passes through, gives a text back
// as it is: "&h2710" stays "&h2710" rather than becoming the decimal "10000".
std::string numberText(std::string_view data)
{
    std::string text = "&h";
    for (auto c = data.rbegin(); c != data.rend(); ++c)
        text += hexCode(*c);
    return text;
}

// Opens, queries and interprets; closing is the caller's. `key` receives the opened handle.
bool readValue(platform::Registry& registry, RegistryKey keyRoot, std::string_view keyName,
               std::string_view subKeyRef, RegistryKey& key, std::string& keyVal)
{
    if (registry.openKey(keyRoot, keyName, 0, KeyAccess, key) != platform::regstatus::Success) {
        keyVal.clear();
        return false;
    }

    std::array<char, ValueBufferSize> buffer{};
    std::uint32_t size = ValueBufferSize;
    std::uint32_t type = 0;
    if (registry.queryValue(key, subKeyRef, type, buffer, size) != platform::regstatus::Success) {
        keyVal.clear();
        return false;
    }

    // The value ends at its first zero byte; the size the query reports is not used.
    const std::string_view data(buffer.data(), buffer.size());
    const std::size_t end = data.find('\0');
    if (end == std::string_view::npos)
        throw UnterminatedValueError();
    const std::string_view value = data.substr(0, end);

    switch (type) {
    case platform::regtype::Text:
        keyVal = value;
        break;
    case platform::regtype::Number32:
        keyVal = numberText(value);
        break;
    default:
        break;
    }
    return true;
}

bool startTool(const SysInfoServices& services)
{
    std::string path;
    if (!GetKeyValue(services.registry, platform::HkeyLocalMachine, SysInfoPathKey, SysInfoPathValue, path)) {
        if (!GetKeyValue(services.registry, platform::HkeyLocalMachine, SysInfoFolderKey, SysInfoFolderValue,
                         path))
            return false;
        path += SysInfoProgramFile;
        if (services.files.fileName(path).empty())
            return false;
    }
    // The first value's path is started as it stands; a file that is not there fails to start.
    return services.programs.start(path);
}

} // namespace

bool GetKeyValue(platform::Registry& registry, RegistryKey keyRoot, std::string_view keyName,
                 std::string_view subKeyRef, std::string& keyVal)
{
    // The handle is closed on every way out: after a failed open too (it is then still zero, and
    // the close's answer is ignored), and when an unterminated value throws.
    RegistryKey key = 0;
    bool found = false;
    try {
        found = readValue(registry, keyRoot, keyName, subKeyRef, key, keyVal);
    } catch (...) {
        static_cast<void>(registry.closeKey(key));
        throw;
    }
    static_cast<void>(registry.closeKey(key));
    return found;
}

void StartSysInfo(const SysInfoServices& services, platform::MessageBox& messages)
{
    try {
        if (startTool(services))
            return;
    } catch (...) {
        // Any failure on the way counts as "not available"; the message below says so.
    }
    messages.show(SysInfoUnavailable);
}

} // namespace galvix::about
