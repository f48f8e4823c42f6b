// SPDX-FileCopyrightText: 2026 The Galvix developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The back-ends the About box's system-information lookup runs against in the program: the registry
// stand-in, the file test and the program start, run against real files in a temporary folder.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "about/system_info.h"
#include "platform/posix/registry.h"
#include "platform/qt_file_system.h"
#include "platform/qt_program_starter.h"
#include "support/event_loop.h"
#include "support/platform_fakes.h"

namespace galvix::about {
namespace {

using platform::QtFileSystem;
using platform::SysInfoRegistry;
using platform::QtProgramStarter;

// A program that, when run, leaves a file named after itself with ".ran" appended.
void writeProgram(const QString& path, bool executable = true)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\ntouch \"$0.ran\"\n");
    file.close();
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (executable)
        permissions |= QFileDevice::ExeOwner;
    ASSERT_TRUE(file.setPermissions(permissions));
}

bool ran(const QString& program)
{
    return testing::waitUntil([&] { return QFile::exists(program + QStringLiteral(".ran")); });
}

std::string bytes(const QString& text) { return text.toStdString(); }

class SysInfoBackEnds : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_folder.isValid()); }
    [[nodiscard]] QString path(const QString& name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

struct ToolCase {
    const char* name;
    std::vector<const char*> installed;     // executable programs in the folder
    std::vector<const char*> notExecutable; // files with a tool's name that cannot run
    const char* answered;                   // the tool the first lookup names; none when empty
};
void PrintTo(const ToolCase& c, std::ostream* out) { *out << c.name; }

class FindingTheTool : public SysInfoBackEnds, public ::testing::WithParamInterface<ToolCase> {};

TEST_P(FindingTheTool, AnswersTheFirstLookupWithTheMostPreferredInstalledTool)
{
    const ToolCase& c = GetParam();
    for (const char* name : c.installed)
        writeProgram(path(QString::fromLatin1(name)));
    for (const char* name : c.notExecutable)
        writeProgram(path(QString::fromLatin1(name)), false);

    SysInfoRegistry registry({m_folder.path()});
    std::string keyVal = "before";
    const bool found = GetKeyValue(registry, platform::HkeyLocalMachine, SysInfoPathKey, SysInfoPathValue, keyVal);
    const std::string expected = *c.answered == '\0' ? "" : bytes(path(QString::fromLatin1(c.answered)));
    EXPECT_EQ(found, !expected.empty());
    EXPECT_EQ(keyVal, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FindingTheTool,
    ::testing::Values(ToolCase{"NoneInstalled", {}, {}, ""},
                      ToolCase{"OnlyOne", {"gnome-system-monitor"}, {}, "gnome-system-monitor"},
                      ToolCase{"ProfilerBeforeInformationCentre", {"kinfocenter", "hardinfo"}, {}, "hardinfo"},
                      ToolCase{"InformationCentreBeforeMonitor", {"mate-system-monitor", "kinfocenter"}, {}, "kinfocenter"},
                      ToolCase{"FileThatCannotRunIsPassedOver", {"kinfocenter"}, {"hardinfo"}, "kinfocenter"},
                      ToolCase{"OnlyFilesThatCannotRun", {}, {"hardinfo2"}, ""},
                      ToolCase{"UnknownProgramsAreNotTools", {"htop", "top"}, {}, ""}),
    [](const ::testing::TestParamInfo<ToolCase>& param) { return param.param.name; });

TEST_F(SysInfoBackEnds, RegistryReportsTheFolderLookupAndOtherKeysAsMissing)
{
    writeProgram(path(QStringLiteral("hardinfo")));
    SysInfoRegistry registry({m_folder.path()});
    std::string keyVal = "before";
    EXPECT_FALSE(GetKeyValue(registry, platform::HkeyLocalMachine, SysInfoFolderKey, SysInfoFolderValue, keyVal));
    EXPECT_EQ(keyVal, "");
    EXPECT_FALSE(GetKeyValue(registry, 0x80000001U, SysInfoPathKey, SysInfoPathValue, keyVal));
    EXPECT_FALSE(GetKeyValue(registry, platform::HkeyLocalMachine, SysInfoPathKey, "Other", keyVal));
}

struct FileCase {
    const char* name;
    QString path; // relative to the temporary folder, except when it is empty
    std::string expected;
};
void PrintTo(const FileCase& c, std::ostream* out) { *out << c.name; }

class TestingAFile : public SysInfoBackEnds, public ::testing::WithParamInterface<FileCase> {};

TEST_P(TestingAFile, GivesItsNameOnlyWhenItIsAFile)
{
    writeProgram(path(QStringLiteral("MSINFO32.EXE")), false);
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("folder")));
    const QString tested = GetParam().path.isEmpty() ? QString() : path(GetParam().path);
    EXPECT_EQ(QtFileSystem().fileName(bytes(tested)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TestingAFile,
                         ::testing::Values(FileCase{"ExistingFile", QStringLiteral("MSINFO32.EXE"), "MSINFO32.EXE"},
                                           FileCase{"MissingFile", QStringLiteral("missing.exe"), ""},
                                           FileCase{"Folder", QStringLiteral("folder"), ""},
                                           FileCase{"EmptyPath", QString(), ""}),
                         [](const ::testing::TestParamInfo<FileCase>& param) { return param.param.name; });

TEST_F(SysInfoBackEnds, StartsExactlyTheNamedFileEvenWithBlanksAndShellCharacters)
{
    const QString program = path(QStringLiteral("run me; touch pwned $(touch pwned2) `touch pwned3` & x"));
    writeProgram(program);
    ASSERT_TRUE(QtProgramStarter().start(bytes(program)));
    EXPECT_TRUE(ran(program));
    for (const char* name : {"pwned", "pwned2", "pwned3"}) {
        EXPECT_FALSE(QFile::exists(path(QString::fromLatin1(name)))) << name;
        EXPECT_FALSE(QFile::exists(QDir::current().filePath(QString::fromLatin1(name)))) << name;
    }
}

TEST_F(SysInfoBackEnds, RefusesWhatIsNotAnAbsolutePathToAnExecutableFile)
{
    writeProgram(path(QStringLiteral("x")));
    writeProgram(path(QStringLiteral("cannot run")), false);
    const QString pwned = path(QStringLiteral("pwned"));
    const std::vector<std::string> refused{
        "",
        bytes(path(QStringLiteral("x; touch ")) + pwned),       // no such file: nothing is started
        bytes(path(QStringLiteral("x")) + QStringLiteral(" ; touch ") + pwned),
        bytes(path(QStringLiteral("cannot run"))),
        bytes(m_folder.path()),                                   // a folder
        "sh",                                                     // a bare name would go through PATH
        "./x",
        bytes(path(QStringLiteral("x"))) + std::string("\0 trailing", 10),
    };
    for (const std::string& attempt : refused)
        EXPECT_FALSE(QtProgramStarter().start(attempt)) << attempt;
    EXPECT_FALSE(QFile::exists(pwned));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("x.ran"))));
}

TEST_F(SysInfoBackEnds, SystemInfoStartsTheInstalledToolWithoutAMessage)
{
    const QString tool = path(QStringLiteral("kinfocenter"));
    writeProgram(tool);
    SysInfoRegistry registry({m_folder.path()});
    QtFileSystem files;
    QtProgramStarter programs;
    testing::FakeMessageBox messages;
    StartSysInfo({registry, files, programs}, messages);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(ran(tool));
}

TEST_F(SysInfoBackEnds, SystemInfoWithoutAToolSaysItIsUnavailable)
{
    SysInfoRegistry registry({m_folder.path()});
    QtFileSystem files;
    QtProgramStarter programs;
    testing::FakeMessageBox messages;
    StartSysInfo({registry, files, programs}, messages);
    EXPECT_EQ(messages.shown, std::vector<std::string>{std::string(SysInfoUnavailable)});
}

} // namespace
} // namespace galvix::about
