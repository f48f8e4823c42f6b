// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The registry's contract, as the About box relies on it, held by the test fake and by the system's
// own back-end alike: the size a query tells, what it copies, and how names are found.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "about/system_info.h"
#include "support/platform_fakes.h"
#include "system_registry_backend.h"

namespace galvix::platform {
namespace {

class FakeBackend {
public:
    static constexpr RegistryKey Root = HkeyLocalMachine;
    const std::string key = R"(SOFTWARE\Galvix\Contract)";
    const std::string value = "Tool";

    Registry& registry() { return m_registry; }
    std::string storeText(std::string_view text)
    {
        m_registry.setValue(key, value, testing::textValue(std::string(text)));
        return std::string(text);
    }

private:
    testing::FakeRegistry m_registry;
};

template <class Backend>
class RegistryContract : public ::testing::Test {
protected:
    RegistryStatus open(std::string_view name, RegistryKey& key)
    {
        return backend.registry().openKey(Backend::Root, name, 0, about::KeyAccess, key);
    }

    Backend backend;
};

using Backends = ::testing::Types<FakeBackend, testing::SystemRegistryBackend>;
TYPED_TEST_SUITE(RegistryContract, Backends);

TYPED_TEST(RegistryContract, TellsTheWholeSizeAndCopiesOnlyAValueThatFits)
{
    // The second text is one byte longer in UTF-8 than in a Windows code page.
    for (const std::string_view text : {"Galley", "Gall\xC3\xA9y"}) {
        const std::string stored = this->backend.storeText(text) + '\0';
        const auto needed = static_cast<std::uint32_t>(stored.size());
        RegistryKey key = 0;
        ASSERT_EQ(this->open(this->backend.key, key), regstatus::Success);
        const struct {
            const char* what;
            std::size_t buffer;
            std::uint32_t offered;
            RegistryStatus status;
        } cases[] = {
            {"exact fit", needed, needed, regstatus::Success},
            {"one byte short", needed, needed - 1, regstatus::MoreData},
            {"a buffer one byte short", needed - 1, needed, regstatus::MoreData},
            {"no buffer", 0, 0, regstatus::MoreData},
        };
        for (const auto& c : cases) {
            const std::string untouched(needed + 4, '#');
            std::string buffer = untouched;
            const std::span<char> data = c.buffer == 0 ? std::span<char>() : std::span(buffer.data(), c.buffer);
            std::uint32_t type = 0;
            std::uint32_t size = c.offered;
            EXPECT_EQ(this->backend.registry().queryValue(key, this->backend.value, type, data, size), c.status)
                << c.what << ", " << text;
            EXPECT_EQ(size, needed) << c.what << ", " << text;
            EXPECT_EQ(type, regtype::Text) << c.what << ", " << text;
            const std::string expected = c.status == regstatus::Success ? stored + "####" : untouched;
            EXPECT_EQ(buffer, expected) << c.what << ", " << text;
        }
        EXPECT_EQ(this->backend.registry().closeKey(key), regstatus::Success);
    }
}

TYPED_TEST(RegistryContract, FindsNamesInAnyCaseAndAnswersWhatIsMissing)
{
    const std::string stored = this->backend.storeText("Galley") + '\0';
    const auto upper = [](std::string name) {
        std::ranges::transform(name, name.begin(), [](char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; });
        return name;
    };
    RegistryKey key = 0;
    ASSERT_EQ(this->open(upper(this->backend.key), key), regstatus::Success);
    std::string buffer(stored.size(), '#');
    std::uint32_t type = 0;
    std::uint32_t size = static_cast<std::uint32_t>(buffer.size());
    EXPECT_EQ(this->backend.registry().queryValue(key, upper(this->backend.value), type, buffer, size),
              regstatus::Success);
    EXPECT_EQ(buffer, stored);
    size = static_cast<std::uint32_t>(buffer.size());
    EXPECT_EQ(this->backend.registry().queryValue(key, this->backend.value + " missing", type, buffer, size),
              regstatus::FileNotFound);
    EXPECT_EQ(this->backend.registry().closeKey(key), regstatus::Success);

    RegistryKey missing = 0;
    EXPECT_EQ(this->open(this->backend.key + "\\Missing", missing), regstatus::FileNotFound);
}

} // namespace
} // namespace galvix::platform
