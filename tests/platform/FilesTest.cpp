#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/stat.h>

#include "machine/Clock.h"
#include "platform/Files.h"
#include "platform/Kernel.h"
#include "support/MachineFixture.h"

namespace {

std::string WindowsDirectory()
{
    char buffer[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
    return std::string(buffer, length < MAX_PATH ? length : 0);
}

TEST(WindowsDirectory, IsNamedAfterTheSystemAndAskedForMoreRoomWhenTheBufferIsShort)
{
    for (auto [os, expected] : {std::pair{"xp", "C:\\WINDOWS"}, {"98", "C:\\WINDOWS"}, {"2000", "C:\\WINNT"}}) {
        zephra_test::MachineFixture m(zephra_test::ScenarioOn(os));
        EXPECT_EQ(WindowsDirectory(), expected) << os;
    }
    zephra_test::MachineFixture m;
    char small[5] = {'x', 'x', 'x', 'x', 'x'};
    EXPECT_EQ(GetWindowsDirectoryA(small, sizeof small), 11U);
    EXPECT_EQ(small[0], 'x') << "nothing is written into a buffer that is too short";
}

TEST(FindFile, FindsTheDriverFileWithTheScenariosTimeReadAsLocalTime)
{
    machine::Scenario s = machine::default_scenario();
    s.driver_file_time = "2004-02-09 23:45:10";
    zephra_test::MachineFixture m(s);
    for (const char* pattern : {"\\system32\\drivers\\qtnd23.sys", "\\SYSTEM32\\Drivers\\QTND23.SYS", "\\system32\\drivers\\*.s?s"}) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((WindowsDirectory() + pattern).c_str(), &found);
        ASSERT_NE(search, INVALID_HANDLE_VALUE) << pattern;
        EXPECT_STREQ(found.cFileName, "qtnd23.sys");
        FILETIME local;
        SYSTEMTIME parts;
        ASSERT_TRUE(FileTimeToLocalFileTime(&found.ftLastWriteTime, &local));
        ASSERT_TRUE(FileTimeToSystemTime(&local, &parts));
        EXPECT_EQ(std::tuple(parts.wYear, parts.wMonth, parts.wDay, parts.wHour, parts.wMinute, parts.wSecond),
                  std::tuple(2004, 2, 9, 23, 45, 10));
        EXPECT_FALSE(FindNextFileA(search, &found));
        EXPECT_EQ(GetLastError(), ERROR_NO_MORE_FILES);
        EXPECT_TRUE(FindClose(search));
    }
}

TEST(FindFile, MissingFilesAndPathsOffTheDriveAreNotFound)
{
    machine::Scenario s = machine::default_scenario();
    s.driver_file_time = "";
    zephra_test::MachineFixture m(s);
    WIN32_FIND_DATAA found;
    EXPECT_EQ(FindFirstFileA((WindowsDirectory() + "\\system32\\drivers\\qtnd23.sys").c_str(), &found), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
    for (const char* path : {"C:\\WINDOWS\\..\\..\\..\\etc\\passwd", "D:\\WINDOWS\\win.ini", "/etc/passwd", "C:\\NOWHERE\\x"}) {
        EXPECT_EQ(FindFirstFileA(path, &found), INVALID_HANDLE_VALUE) << path;
        EXPECT_EQ(GetLastError(), ERROR_PATH_NOT_FOUND) << path;
    }
}

TEST(SystemDrive, ATemporaryDriveGoesWithItsMachine)
{
    std::filesystem::path root;
    {
        zephra_test::MachineFixture m;
        root = m.machine.drive().root();
        EXPECT_TRUE(std::filesystem::is_regular_file(root / "WINDOWS" / machine::kDriverFileRelative));
    }
    EXPECT_FALSE(std::filesystem::exists(root));
}

TEST(SystemDrive, AKeptMachinesDriveLivesInItsPrivateStateDirectory)
{
    std::string base = testing::TempDir() + "zephra-drive-XXXXXX";
    ASSERT_NE(mkdtemp(base.data()), nullptr);
    const std::string state = base + "/machine";
    machine::VirtualClock clock;
    std::filesystem::path root;
    {
        machine::Machine kept(machine::default_scenario(), clock, {state, false});
        root = kept.drive().root();
        EXPECT_EQ(root.parent_path(), std::filesystem::path(state));
        struct stat info {};
        ASSERT_EQ(stat(state.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0700U);
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(root / "WINDOWS" / machine::kDriverFileRelative))
        << "the drive is part of the machine's lasting state";
    std::filesystem::remove_all(base);
}

}  // namespace
