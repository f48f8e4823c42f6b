// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <functional>

#include "about/system_info.h"
#include "support/platform_fakes.h"

namespace galvix::about {
namespace {

using testing::FakeFileSystem;
using testing::FakeMessageBox;
using testing::FakeProgramStarter;
using testing::FakeRegistry;
using testing::FakeValue;
using testing::textValue;

const std::string PathKey(SysInfoPathKey);
const std::string PathValue(SysInfoPathValue);
const std::string FolderKey(SysInfoFolderKey);
const std::string FolderValue(SysInfoFolderValue);
const std::string Tool = "/usr/bin/hardinfo";
const std::string Folder = R"(C:\Program Files\Common Files\Microsoft Shared\MSInfo)";
const std::string FolderTool = Folder + R"(\MSINFO32.EXE)";

struct Machine {
    FakeRegistry registry;
    FakeFileSystem files;
    FakeProgramStarter programs;
    FakeMessageBox messages;

    void run() { StartSysInfo({registry, files, programs}, messages); }
};

struct LaunchCase {
    const char* name;
    std::function<void(Machine&)> setUp;
    std::vector<std::string> requested; // the paths the program start was asked for
    bool message;                       // whether "unavailable" was shown
    std::vector<std::string> opened;    // the keys opened, in order
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const LaunchCase& c, std::ostream* out) { *out << c.name; }

class StartingTheTool : public ::testing::TestWithParam<LaunchCase> {};

TEST_P(StartingTheTool, StartsItOrSaysItIsUnavailable)
{
    const LaunchCase& c = GetParam();
    Machine machine;
    c.setUp(machine);
    machine.run();

    EXPECT_EQ(machine.programs.requested, c.requested);
    EXPECT_EQ(machine.messages.shown,
              c.message ? std::vector<std::string>{std::string(SysInfoUnavailable)} : std::vector<std::string>{});
    EXPECT_EQ(machine.registry.openedKeys(), c.opened);
    EXPECT_EQ(machine.registry.closes.size(), c.opened.size());
    EXPECT_TRUE(machine.registry.allClosed());
}

void firstNames(Machine& m, const std::string& path) { m.registry.setValue(PathKey, PathValue, textValue(path)); }
void secondNames(Machine& m, const std::string& folder)
{
    m.registry.setValue(FolderKey, FolderValue, textValue(folder));
}
// The second lookup names the folder, and the tool is there and starts.
void folderHoldsTheTool(Machine& m)
{
    secondNames(m, Folder);
    m.files.files.insert(FolderTool);
    m.programs.installed.insert(FolderTool);
}

const std::vector<std::string> BothKeys{PathKey, FolderKey};
const std::vector<std::string> FirstKeyOnly{PathKey};

INSTANTIATE_TEST_SUITE_P(
    Cases, StartingTheTool,
    ::testing::Values(
        LaunchCase{"FirstLookupNamesAnInstalledProgram",
                   [](Machine& m) {
                       firstNames(m, Tool);
                       m.programs.installed.insert(Tool);
                   },
                   {Tool}, false, FirstKeyOnly},
        LaunchCase{"FirstLookupNamesAMissingFileAndTheSecondIsNotTried",
                   [](Machine& m) {
                       firstNames(m, Tool);
                       folderHoldsTheTool(m);
                   },
                   {Tool}, true, FirstKeyOnly},
        LaunchCase{"FirstLookupMissingAndTheFolderHoldsTheTool",
                   folderHoldsTheTool,
                   {FolderTool}, false, BothKeys},
        LaunchCase{"FirstValueMissingFromItsKeyAndTheFolderHoldsTheTool",
                   [](Machine& m) {
                       m.registry.addKey(PathKey);
                       folderHoldsTheTool(m);
                   },
                   {FolderTool}, false, BothKeys},
        LaunchCase{"FirstKeyRefusedAndTheFolderHoldsTheTool",
                   [](Machine& m) {
                       firstNames(m, Tool);
                       m.registry.refuse(PathKey);
                       folderHoldsTheTool(m);
                   },
                   {FolderTool}, false, BothKeys},
        LaunchCase{"FirstValueTooLongAndTheFolderHoldsTheTool",
                   [](Machine& m) {
                       firstNames(m, "/" + std::string(1100, 'x'));
                       folderHoldsTheTool(m);
                   },
                   {FolderTool}, false, BothKeys},
        LaunchCase{"FirstLookupMissingAndTheFolderLacksTheTool",
                   [](Machine& m) {
                       secondNames(m, Folder);
                       m.programs.installed.insert(FolderTool);
                   },
                   {}, true, BothKeys},
        LaunchCase{"BothLookupsMissing", [](Machine&) {}, {}, true, BothKeys},
        LaunchCase{"FirstLookupIsExpandableTextSoTheEmptyPathFailsToStart",
                   [](Machine& m) {
                       m.registry.setValue(PathKey, PathValue,
                                           FakeValue{platform::regtype::ExpandableText, textValue(Tool).bytes});
                       m.programs.installed.insert(Tool);
                   },
                   {""}, true, FirstKeyOnly},
        LaunchCase{"FirstLookupIsANumberWhichNamesNoProgram",
                   [](Machine& m) {
                       m.registry.setValue(PathKey, PathValue,
                                           FakeValue{platform::regtype::Number32, std::string("\x10\x27\0\0", 4)});
                   },
                   {"&h2710"}, true, FirstKeyOnly},
        LaunchCase{"FirstValueWithoutAZeroEndsInTheMessage",
                   [](Machine& m) {
                       m.registry.setValue(PathKey, PathValue, FakeValue{platform::regtype::Text, std::string(1024, 'x')});
                       folderHoldsTheTool(m);
                   },
                   {}, true, FirstKeyOnly},
        LaunchCase{"SecondValueWithoutAZeroEndsInTheMessage",
                   [](Machine& m) {
                       m.registry.setValue(FolderKey, FolderValue, FakeValue{platform::regtype::Text, std::string(1024, 'x')});
                   },
                   {}, true, BothKeys},
        LaunchCase{"AFailingFileTestEndsInTheMessage",
                   [](Machine& m) {
                       secondNames(m, Folder);
                       m.files.failing = true;
                   },
                   {}, true, BothKeys},
        LaunchCase{"AFailingStartEndsInTheMessage",
                   [](Machine& m) {
                       firstNames(m, Tool);
                       m.programs.failing = true;
                   },
                   {Tool}, true, FirstKeyOnly}),
    [](const ::testing::TestParamInfo<LaunchCase>& param) { return param.param.name; });

} // namespace
} // namespace galvix::about
