// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "about/system_info.h"
#include "support/platform_fakes.h"

namespace galvix::about {
namespace {

using testing::FakeRegistry;
using testing::FakeValue;
using testing::textValue;

constexpr const char* Key = R"(SOFTWARE\Galvix\Test)";
constexpr const char* Value = "Value";
constexpr const char* Before = "left from before";

std::string repeated(char c, std::size_t count) { return std::string(count, c); }

struct ReadCase {
    const char* name;
    std::optional<FakeValue> value; // no value: the key exists without it
    bool found;
    std::string keyVal;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }

class ReadingAValue : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadingAValue, GivesTheResultAndTextAndClosesTheKey)
{
    const ReadCase& c = GetParam();
    FakeRegistry registry;
    registry.addKey(Key);
    if (c.value)
        registry.setValue(Key, Value, *c.value);

    std::string keyVal = Before;
    EXPECT_EQ(GetKeyValue(registry, platform::HkeyLocalMachine, Key, Value, keyVal), c.found);
    EXPECT_EQ(keyVal, c.keyVal);

    ASSERT_EQ(registry.opens.size(), 1U);
    EXPECT_EQ(registry.opens[0].root, platform::HkeyLocalMachine);
    EXPECT_EQ(registry.opens[0].options, 0U);
    EXPECT_EQ(registry.opens[0].access, 0x2003FU);
    ASSERT_EQ(registry.queries.size(), 1U);
    EXPECT_EQ(registry.queries[0].valueName, Value);
    EXPECT_EQ(registry.queries[0].sizeOffered, 1024U);
    EXPECT_EQ(registry.queries[0].bufferSize, 1024U);
    EXPECT_TRUE(registry.queries[0].bufferZeroed);
    EXPECT_EQ(registry.closes.size(), 1U);
    EXPECT_TRUE(registry.allClosed());
}

using platform::regtype::Binary;
using platform::regtype::ExpandableText;
using platform::regtype::Number32;
using platform::regtype::Text;

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadingAValue,
    ::testing::Values(
        ReadCase{"TextIsGivenAsItIs", textValue("/usr/bin/hardinfo"), true, "/usr/bin/hardinfo"},
        ReadCase{"TextWithBlanksAndShellCharacters", textValue("/opt/a b/x; rm -rf ~"), true, "/opt/a b/x; rm -rf ~"},
        ReadCase{"TextEndsAtItsFirstZero", FakeValue{Text, std::string("first\0second\0", 13)}, true, "first"},
        ReadCase{"TextStoredWithoutZeroEndsWhereTheBufferIsEmpty", FakeValue{Text, "short"}, true, "short"},
        ReadCase{"EmptyText", textValue(""), true, ""},
        ReadCase{"TextOf1023CharactersAndItsZeroFits", textValue(repeated('x', 1023)), true, repeated('x', 1023)},
        ReadCase{"TextOver1024BytesIsNotRead", textValue(repeated('x', 1024)), false, ""},
        ReadCase{"NumberIsHexCodesLastToFirst", FakeValue{Number32, std::string("\x10\x27\0\0", 4)}, true, "&h2710"},
        ReadCase{"NumberCodesHaveNoLeadingZeros", FakeValue{Number32, std::string("\x05\x01\0\0", 4)}, true, "&h15"},
        ReadCase{"NumberWithAllBytesSet", FakeValue{Number32, "\xFF\xFE\xFD\xFC"}, true, "&hFCFDFEFF"},
        ReadCase{"NumberWithLowZeroByteIsCutToNothing", FakeValue{Number32, std::string("\0\x01\0\0", 4)}, true, "&h"},
        ReadCase{"ExpandableTextLeavesTheTextAsItWas", FakeValue{ExpandableText, textValue("%SystemRoot%\\x").bytes}, true, Before},
        ReadCase{"BinaryLeavesTheTextAsItWas", FakeValue{Binary, std::string("\x01\x02\0", 3)}, true, Before},
        ReadCase{"MissingValueEmptiesTheText", std::nullopt, false, ""}),
    [](const ::testing::TestParamInfo<ReadCase>& param) { return param.param.name; });

TEST(ReadingAKey, ThatIsMissingOrCannotBeOpenedEmptiesTheTextAndStillCloses)
{
    const auto missing = [](FakeRegistry&) {};
    const auto refused = [](FakeRegistry& registry) {
        registry.setValue(Key, Value, textValue("/usr/bin/x"));
        registry.refuse(Key);
    };
    for (const auto& [what, setUp] : {std::pair<const char*, void (*)(FakeRegistry&)>{"missing", missing},
                                      std::pair<const char*, void (*)(FakeRegistry&)>{"refused", refused}}) {
        FakeRegistry registry;
        setUp(registry);
        std::string keyVal = Before;
        EXPECT_FALSE(GetKeyValue(registry, platform::HkeyLocalMachine, Key, Value, keyVal)) << what;
        EXPECT_EQ(keyVal, "") << what;
        EXPECT_TRUE(registry.queries.empty()) << what;
        // The close goes to the handle the failed open left, which is no handle at all.
        EXPECT_EQ(registry.closes, std::vector<platform::RegistryKey>{0}) << what;
    }
}

TEST(ReadingAValue, ThatFillsTheBufferWithoutAZeroThrowsAfterClosingTheKey)
{
    FakeRegistry registry;
    registry.setValue(Key, Value, FakeValue{Text, repeated('x', 1024)});
    std::string keyVal = Before;
    EXPECT_THROW(GetKeyValue(registry, platform::HkeyLocalMachine, Key, Value, keyVal), UnterminatedValueError);
    EXPECT_EQ(keyVal, Before);
    EXPECT_EQ(registry.closes.size(), 1U);
    EXPECT_TRUE(registry.allClosed());
}

} // namespace
} // namespace galvix::about
