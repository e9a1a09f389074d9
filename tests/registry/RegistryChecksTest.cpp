// The wrapper's development checks stop the program and name the source file and line.
#include <gtest/gtest.h>

#include "registry/Registry.h"
#include "support/MachineFixture.h"

TEST(RegistryChecksDeathTest, ArgumentsAndAMissingKeyStopADebugBuild)
{
    testing::FLAGS_gtest_death_test_style = "threadsafe";
    zephra_test::MachineFixture f;
    CRegistry closed;
    DWORD number = 0;
    CString text;
    EXPECT_DEATH(closed.WriteDword("WepAuto", 1), "Registry\\.cpp, line [0-9]+");
    EXPECT_DEATH(closed.ReadDword("WepAuto", number), "Registry\\.cpp, line [0-9]+");
    EXPECT_DEATH(closed.ReadString("ESSID", text), "Registry\\.cpp, line [0-9]+");
    EXPECT_DEATH(closed.Open(HKEY_LOCAL_MACHINE, nullptr, KEY_READ), "Registry\\.cpp, line [0-9]+");

    CRegistry open;
    ASSERT_TRUE(open.CreateKey(HKEY_LOCAL_MACHINE, "Software\\Norvel\\KX710"));
    EXPECT_DEATH(open.WriteString(nullptr, "x"), "Registry\\.cpp, line [0-9]+");
    EXPECT_DEATH(open.WriteString("ESSID", nullptr), "Registry\\.cpp, line [0-9]+");
    // Sound calls pass the checks.
    EXPECT_TRUE(open.WriteString("ESSID", "Lakeside"));
    EXPECT_TRUE(open.ReadString("ESSID", text));
}
