#include <gtest/gtest.h>

#include "platform/Kernel.h"
#include "platform/Time.h"
#include "support/MachineFixture.h"

using zephra_test::MachineFixture;
using zephra_test::ScenarioOn;

TEST(Kernel, VersionOfEachSystem)
{
    struct Row {
        const char* os;
        DWORD platform, major, minor;
    };
    for (Row row : {Row{"98", 1, 4, 10}, Row{"me", 1, 4, 90}, Row{"2000", 2, 5, 0}, Row{"xp", 2, 5, 1},
                    Row{"nt4", 2, 4, 0}, Row{"nt5.2", 2, 5, 2}}) {
        MachineFixture f(ScenarioOn(row.os));
        OSVERSIONINFO info{};
        info.dwOSVersionInfoSize = sizeof info;
        ASSERT_TRUE(GetVersionExA(&info)) << row.os;
        EXPECT_EQ(info.dwPlatformId, row.platform) << row.os;
        EXPECT_EQ(info.dwMajorVersion, row.major) << row.os;
        EXPECT_EQ(info.dwMinorVersion, row.minor) << row.os;
    }
    MachineFixture f;
    OSVERSIONINFO wrongSize{};
    wrongSize.dwOSVersionInfoSize = 100;
    EXPECT_FALSE(GetVersionExA(&wrongSize));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
}

TEST(Kernel, ComputerNameSizeProtocolAndLanguage)
{
    MachineFixture f;
    char name[4];
    DWORD size = sizeof name;
    EXPECT_FALSE(GetComputerNameA(name, &size));
    EXPECT_EQ(GetLastError(), ERROR_BUFFER_OVERFLOW);
    EXPECT_EQ(size, 10u);
    char full[16];
    size = sizeof full;
    ASSERT_TRUE(GetComputerNameA(full, &size));
    EXPECT_STREQ(full, "ZEPHRA-PC");
    EXPECT_EQ(size, 9u);
    EXPECT_EQ(GetSystemDefaultLangID(), 0x0409);
}

TEST(Kernel, DriverDeviceOpensOnItsOwnSystemOnly)
{
    struct Row {
        const char* os;
        const char* device;
        bool opens;
    };
    for (Row row : {Row{"98", "\\\\.\\zmux19x.vxd", true}, Row{"98", "\\\\.\\ZMUX1W2K", false},
                    Row{"xp", "\\\\.\\zmux19x.vxd", false}, Row{"xp", "\\\\.\\ZMUX1W2K", false}}) {
        MachineFixture f(ScenarioOn(row.os));
        HANDLE h = CreateFileA(row.device, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
        EXPECT_EQ(h != INVALID_HANDLE_VALUE, row.opens) << row.os << " " << row.device;
        if (h == INVALID_HANDLE_VALUE)
            EXPECT_EQ(GetLastError(), ERROR_FILE_NOT_FOUND);
        else
            EXPECT_TRUE(CloseHandle(h));
    }
}

TEST(Kernel, OpenThatLeaves183AndBadHandles)
{
    MachineFixture f(ScenarioOn("98"));
    f.machine.faults().device_open_leaves_183 = true;
    HANDLE h = CreateFileA("\\\\.\\zmux19x.vxd", GENERIC_READ, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), ERROR_ALREADY_EXISTS);
    EXPECT_TRUE(CloseHandle(h));
    EXPECT_FALSE(CloseHandle(h));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    DWORD value = 0, returned = 0;
    EXPECT_FALSE(DeviceIoControl(h, 0x8000001C, &value, 4, &value, 4, &returned, nullptr));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(Kernel, SleepAndTickCountUseTheMachineClock)
{
    MachineFixture f;
    DWORD start = GetTickCount();
    Sleep(2500);
    EXPECT_EQ(GetTickCount() - start, 2500u);
    EXPECT_EQ(f.clock.now_ms(), 2500u);
}
