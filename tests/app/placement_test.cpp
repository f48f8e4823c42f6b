// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, writing and mending the main window's remembered placement.

#include <gtest/gtest.h>

#include <array>

#include "app/placement.h"
#include "support/memory_settings.h"

namespace galvix::app {
namespace {

using testing::keyList;
using testing::MemorySettings;

TEST(SingleText, WritesTheShortestDecimalThatReadsBackExactly)
{
    const std::array<std::pair<float, const char*>, 5> cases{
        {{1000.0F, "1000"}, {6500.0F, "6500"}, {-45.0F, "-45"}, {66.5F, "66.5"}, {0.1F, "0.1"}}};
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(singleToText(value), text);
        EXPECT_EQ(textToSingle(text), value) << text;
    }
}

TEST(SingleText, AcceptsOnlyAFiniteNumberAndNothingAfterIt)
{
    const std::array<std::pair<const char*, std::optional<float>>, 11> cases{{
        {" 1200 ", 1200.0F},
        {"+15", 15.0F},
        {"1.5e3", 1500.0F},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"12px", std::nullopt},
        {"1,5", std::nullopt},
        {"nan", std::nullopt},
        {"inf", std::nullopt},
        {"-inf", std::nullopt},
        {"1e39", std::nullopt}, // beyond a single-precision number
    }};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(textToSingle(text), expected) << '"' << text << '"';
}

TEST(ReadPlacement, TakesTheDefaultsFromAnEmptyStoreReadingLeftTopWidthHeight)
{
    const MemorySettings store;
    EXPECT_EQ(readPlacement(store, SettingsApplication), (Placement{1000, 1000, 6500, 6500}));
    EXPECT_EQ(store.reads, (std::vector<std::string>{"MainLeft", "MainTop", "MainWidth", "MainHeight"}));
}

TEST(ReadPlacement, ReplacesOnlyTheEntriesThatAreNotFiniteNumbers)
{
    MemorySettings store;
    store.set(PlacementKeys.left, "abc");
    store.set(PlacementKeys.top, "240");
    store.set(PlacementKeys.width, "nan");
    store.set(PlacementKeys.height, "4800.5");
    EXPECT_EQ(readPlacement(store, SettingsApplication), (Placement{1000, 240, 6500, 4800.5F}));
}

TEST(WritePlacement, StoresTheFourValuesInOrderUnderTheSettingsSection)
{
    MemorySettings store;
    writePlacement(store, SettingsApplication, {1005, 990, 7200, 6015});
    EXPECT_EQ(store.writes,
              keyList({PlacementKeys.left, PlacementKeys.top, PlacementKeys.width, PlacementKeys.height}));
    EXPECT_EQ(store.get(PlacementKeys.left), "1005");
    EXPECT_EQ(store.get(PlacementKeys.top), "990");
    EXPECT_EQ(store.get(PlacementKeys.width), "7200");
    EXPECT_EQ(store.get(PlacementKeys.height), "6015");
}

TEST(WritePlacement, WithoutThePositionLeavesTheStoredLeftAndTopAlone)
{
    MemorySettings store;
    store.set(PlacementKeys.left, "4500");
    store.set(PlacementKeys.top, "text");
    writePlacement(store, SettingsApplication, {1005, 990, 7200, 6015}, SavedParts::SizeOnly);
    EXPECT_EQ(store.writes, keyList({PlacementKeys.width, PlacementKeys.height}));
    EXPECT_EQ(store.get(PlacementKeys.left), "4500");
    EXPECT_EQ(store.get(PlacementKeys.top), "text");
    EXPECT_EQ(store.get(PlacementKeys.width), "7200");
}

TEST(PixelFrame, RoundsEachTwipsValueToTheNearestPixel)
{
    EXPECT_EQ(toPixelFrame({1000, 1000, 6500, 6500}), (PixelFrame{67, 67, 433, 433}));
    EXPECT_EQ(toPixelFrame({-1000, 7, 22, 23}), (PixelFrame{-67, 0, 1, 2}));
    EXPECT_EQ(toPixelFrame({1e30F, -1e30F, 0, 0}), (PixelFrame{16777215, -16777215, 0, 0}));
}

struct SaveCase {
    const char* what;
    PixelFrame now;
    Placement expected;
};

class PlacementToSave : public ::testing::TestWithParam<SaveCase> {};

// Restored from 1000, 1000, 6500, 6500, which was shown on the frame 67, 67, 433, 433.
TEST_P(PlacementToSave, KeepsWhatWasReadForEveryEdgeAndSizeStillOnItsPixel)
{
    const Placement restored{1000, 1000, 6500, 6500};
    EXPECT_EQ(placementToSave(restored, toPixelFrame(restored), GetParam().now), GetParam().expected)
        << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlacementToSave,
    ::testing::Values(SaveCase{"untouched", {67, 67, 433, 433}, {1000, 1000, 6500, 6500}},
                      SaveCase{"moved", {298, 160, 433, 433}, {4470, 2400, 6500, 6500}},
                      SaveCase{"moved one pixel right", {68, 67, 433, 433}, {1020, 1000, 6500, 6500}},
                      SaveCase{"resized", {67, 67, 502, 425}, {1000, 1000, 7530, 6375}},
                      SaveCase{"maximized", {0, 0, 1280, 1024}, {0, 0, 19200, 15360}}));

TEST(PlatformPlacesWindows, IsFalseOnlyWhereTheCompositorPlacesThem)
{
    EXPECT_TRUE(platformPlacesWindows("xcb"));
    EXPECT_TRUE(platformPlacesWindows("offscreen"));
    EXPECT_FALSE(platformPlacesWindows("wayland"));
    EXPECT_FALSE(platformPlacesWindows("wayland-egl"));
}

// A 1920 by 1080 primary screen and a second one to its right, in twips.
constexpr std::array<TwipsRect, 2> Screens{{{0, 0, 28800, 16200}, {28800, 0, 19200, 15360}}};
constexpr PlacementLimits Limits{Screens, 3000, 1500, 251658225, 251658225};

struct FitCase {
    const char* what;
    Placement stored;
    Placement expected;
};

class FitToScreens : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitToScreens, KeepsAUsableWindowAndMendsTheRest)
{
    EXPECT_EQ(fitToScreens(GetParam().stored, Limits), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FitToScreens,
    ::testing::Values(
        FitCase{"on the primary screen", {1000, 1000, 6500, 6500}, {1000, 1000, 6500, 6500}},
        FitCase{"on the second screen", {30000, 2000, 8000, 6000}, {30000, 2000, 8000, 6000}},
        FitCase{"mostly off to the left, title still reachable", {-5000, 300, 6500, 6500}, {-5000, 300, 6500, 6500}},
        FitCase{"right of every screen", {60000, 1000, 6500, 6500}, {1000, 1000, 6500, 6500}},
        FitCase{"title bar above the screens", {1000, -7000, 6500, 6500}, {1000, 1000, 6500, 6500}},
        FitCase{"below every screen", {1000, 16500, 6500, 6500}, {1000, 1000, 6500, 6500}},
        FitCase{"straddling the two screens", {28750, 1000, 6500, 6500}, {28750, 1000, 6500, 6500}},
        FitCase{"far beyond any coordinate", {1e30F, -1e30F, 6500, 6500}, {1000, 1000, 6500, 6500}},
        FitCase{"too narrow to use", {2000, 2000, 150, 6500}, {2000, 2000, 6500, 6500}},
        FitCase{"too low to use", {2000, 2000, 6500, 0}, {2000, 2000, 6500, 6500}},
        FitCase{"negative size", {2000, 2000, -6500, -6500}, {2000, 2000, 6500, 6500}},
        FitCase{"larger than a window can be", {2000, 2000, 1e30F, 6500}, {2000, 2000, 6500, 6500}}));

TEST(FitToScreensOnASmallScreen, PullsAMovedWindowBackSoItsTopLeftIsVisible)
{
    constexpr std::array<TwipsRect, 1> small{{{0, 0, 6000, 4500}}};
    const PlacementLimits limits{small, 3000, 1500, 251658225, 251658225};
    EXPECT_EQ(fitToScreens({90000, 90000, 5000, 4000}, limits), (Placement{1000, 500, 5000, 4000}));
    EXPECT_EQ(fitToScreens({90000, 90000, 8000, 8000}, limits), (Placement{0, 0, 8000, 8000}));
}

} // namespace
} // namespace galvix::app
