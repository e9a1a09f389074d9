#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/Registry.h"
#include "support/MachineFixture.h"

namespace {

constexpr const char* kProfiles = "Software\\Norvel\\KX710\\Profiles";

HKEY Create(HKEY root, const char* path, DWORD* disposition = nullptr)
{
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                              disposition),
              ERROR_SUCCESS)
        << path;
    return key;
}

LSTATUS SetString(HKEY key, const char* name, const char* text)
{
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(std::strlen(text) + 1));
}

std::string SubKey(HKEY key, DWORD index, LSTATUS expected = ERROR_SUCCESS)
{
    char name[256] = {};
    DWORD length = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr), expected);
    return name;
}

}  // namespace

TEST(RegistryCalls, CreateReportsWhetherTheKeyIsNewAndMakesTheWholePath)
{
    zephra_test::MachineFixture f;
    DWORD disposition = 0;
    HKEY key = Create(HKEY_LOCAL_MACHINE, "Software\\Norvel\\KX710\\Profiles\\", &disposition);
    EXPECT_EQ(disposition, DWORD{REG_CREATED_NEW_KEY});
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    key = Create(HKEY_LOCAL_MACHINE, "SOFTWARE\\norvel\\KX710\\profiles", &disposition);
    EXPECT_EQ(disposition, DWORD{REG_OPENED_EXISTING_KEY});
    RegCloseKey(key);

    HKEY opened = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Norvel", 0, KEY_READ, &opened), ERROR_SUCCESS);
    EXPECT_EQ(SubKey(opened, 0), "KX710");
    RegCloseKey(opened);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Missing", 0, KEY_READ, &opened), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(opened, nullptr);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\\\Norvel", 0, KEY_READ, &opened), ERROR_BAD_PATHNAME);
}

TEST(RegistryCalls, NamesMatchWithoutCaseAndKeepTheirFirstCaseInAStableOrder)
{
    zephra_test::MachineFixture f;
    HKEY profiles = Create(HKEY_LOCAL_MACHINE, kProfiles);
    for (const char* ssid : {"lakeside", "Harbour", "LAKESIDE", "backroom", "Corner"})
        RegCloseKey(Create(profiles, ssid));
    DWORD count = 0;
    ASSERT_EQ(RegQueryInfoKeyA(profiles, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(count, 4u);
    EXPECT_EQ(SubKey(profiles, 0), "backroom");
    EXPECT_EQ(SubKey(profiles, 1), "Corner");
    EXPECT_EQ(SubKey(profiles, 2), "Harbour");
    EXPECT_EQ(SubKey(profiles, 3), "lakeside");
    SubKey(profiles, 4, ERROR_NO_MORE_ITEMS);

    HKEY lake = Create(profiles, "LakeSide");
    EXPECT_EQ(SetString(lake, "ESSID", "lakeside"), ERROR_SUCCESS);
    EXPECT_EQ(SetString(lake, "essid", "LAKESIDE"), ERROR_SUCCESS);
    char text[16] = {};
    DWORD size = sizeof text;
    EXPECT_EQ(RegQueryValueExA(lake, "Essid", nullptr, nullptr, reinterpret_cast<BYTE*>(text), &size), ERROR_SUCCESS);
    EXPECT_STREQ(text, "LAKESIDE");
    DWORD values = 0, longestName = 0;
    RegQueryInfoKeyA(lake, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, &longestName, nullptr,
                     nullptr, nullptr);
    EXPECT_EQ(values, 1u);
    RegCloseKey(lake);
    RegCloseKey(profiles);
}

TEST(RegistryCalls, ValuesKeepTypeAndBytesAndReportTheSizeTheyNeed)
{
    zephra_test::MachineFixture f;
    HKEY key = Create(HKEY_LOCAL_MACHINE, kProfiles);
    ASSERT_EQ(SetString(key, "ESSID", "Lakeside"), ERROR_SUCCESS);
    const DWORD number = 15;
    ASSERT_EQ(RegSetValueExA(key, "WepAuto", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), 4), ERROR_SUCCESS);
    const BYTE raw[] = {0, 1, 2, 0xFF};
    ASSERT_EQ(RegSetValueExA(key, "Raw", 0, REG_BINARY, raw, sizeof raw), ERROR_SUCCESS);

    DWORD type = 0, size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "ESSID", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD{REG_SZ});
    EXPECT_EQ(size, 9u);  // with the terminating zero

    char small[4] = "abc";
    size = sizeof small;
    EXPECT_EQ(RegQueryValueExA(key, "ESSID", nullptr, &type, reinterpret_cast<BYTE*>(small), &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 9u);
    EXPECT_STREQ(small, "abc");

    BYTE bytes[8] = {};
    size = sizeof bytes;
    EXPECT_EQ(RegQueryValueExA(key, "raw", nullptr, &type, bytes, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, DWORD{REG_BINARY});
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(std::memcmp(bytes, raw, 4), 0);
    DWORD read = 0;
    size = sizeof read;
    EXPECT_EQ(RegQueryValueExA(key, "WepAuto", nullptr, &type, reinterpret_cast<BYTE*>(&read), &size), ERROR_SUCCESS);
    EXPECT_EQ(read, 15u);

    type = 77;
    EXPECT_EQ(RegQueryValueExA(key, "Missing", nullptr, &type, bytes, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(type, 77u);
    EXPECT_EQ(RegQueryValueExA(key, "ESSID", nullptr, &type, bytes, nullptr), ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
}

TEST(RegistryCalls, TheHtmAssociationNamesACommandWithThePlaceholder)
{
    zephra_test::MachineFixture f;
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, ".htm", 0, KEY_QUERY_VALUE, &key), ERROR_SUCCESS);
    char type[260] = {};
    DWORD size = sizeof type;
    ASSERT_EQ(RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(type), &size), ERROR_SUCCESS);
    RegCloseKey(key);
    ASSERT_EQ(RegOpenKeyExA(HKEY_CLASSES_ROOT, (std::string(type) + "\\shell\\open\\command").c_str(), 0,
                            KEY_QUERY_VALUE, &key),
              ERROR_SUCCESS);
    char command[260] = {};
    size = sizeof command;
    ASSERT_EQ(RegQueryValueExA(key, "", nullptr, nullptr, reinterpret_cast<BYTE*>(command), &size), ERROR_SUCCESS);
    EXPECT_NE(std::string(command).find("\"%1\""), std::string::npos);
    RegCloseKey(key);
}

TEST(RegistryCalls, HandlesAreCheckedAndRightsEnforced)
{
    zephra_test::MachineFixture f;
    HKEY key = Create(HKEY_LOCAL_MACHINE, kProfiles);
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    int local = 0;
    auto* foreign = reinterpret_cast<HKEY>(&local);
    BYTE data[4] = {};
    DWORD size = sizeof data;
    for (HKEY bad : {key, foreign, static_cast<HKEY>(nullptr)}) {
        EXPECT_EQ(SetString(bad, "ESSID", "x"), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegQueryValueExA(bad, "ESSID", nullptr, nullptr, data, &size), ERROR_INVALID_HANDLE);
        EXPECT_EQ(RegEnumKeyExA(bad, 0, reinterpret_cast<char*>(data), &size, nullptr, nullptr, nullptr, nullptr),
                  ERROR_INVALID_HANDLE);
        HKEY sub = nullptr;
        EXPECT_EQ(RegOpenKeyExA(bad, "x", 0, KEY_READ, &sub), ERROR_INVALID_HANDLE);
    }

    HKEY readOnly = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProfiles, 0, KEY_READ, &readOnly), ERROR_SUCCESS);
    EXPECT_EQ(SetString(readOnly, "ESSID", "x"), ERROR_ACCESS_DENIED);
    HKEY created = nullptr;
    EXPECT_EQ(RegCreateKeyExA(readOnly, "New", 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &created,
                              nullptr),
              ERROR_ACCESS_DENIED);
    RegCloseKey(readOnly);
    HKEY enumOnly = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProfiles, 0, KEY_ENUMERATE_SUB_KEYS, &enumOnly), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExA(enumOnly, "ESSID", nullptr, nullptr, data, &size), ERROR_ACCESS_DENIED);
    RegCloseKey(enumOnly);
}

TEST(RegistryCalls, ALimitedUserReadsButCannotChangeTheLocalMachine)
{
    machine::Scenario s = machine::default_scenario();
    s.limited_user = true;
    zephra_test::MachineFixture f(s);
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System", 0, KEY_ALL_ACCESS, &key), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kProfiles, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(SetString(HKEY_LOCAL_MACHINE, "Anything", "x"), ERROR_ACCESS_DENIED);
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "System", 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);
    // Other roots stay the user's own.
    key = Create(HKEY_CURRENT_USER, "Software\\Test");
    EXPECT_EQ(SetString(key, "Name", "x"), ERROR_SUCCESS);
    RegCloseKey(key);
}
