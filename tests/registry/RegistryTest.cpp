#include <gtest/gtest.h>

#include <string>

#include "registry/Registry.h"
#include "support/MachineFixture.h"

namespace {

constexpr const char* kProfile = "Software\\Norvel\\KX710\\Profiles\\Lakeside\\";

class RegistryTest : public testing::Test {
protected:
    zephra_test::MachineFixture f;

    // A profile key holding `values` written through a wrapper of its own.
    void Write(const char* name, const char* text)
    {
        CRegistry r;
        ASSERT_TRUE(r.CreateKey(HKEY_LOCAL_MACHINE, kProfile));
        ASSERT_TRUE(r.WriteString(name, text));
    }
};

}  // namespace

TEST_F(RegistryTest, CreateOpensAnExistingKeyAndOpenFailsOnAMissingOne)
{
    CRegistry r;
    EXPECT_EQ(r.m_hKey, nullptr);
    EXPECT_TRUE(r.CreateKey(HKEY_LOCAL_MACHINE, kProfile));
    EXPECT_NE(r.m_hKey, nullptr);
    r.CloseKey();
    EXPECT_EQ(r.m_hKey, nullptr);
    EXPECT_TRUE(r.CreateKey(HKEY_LOCAL_MACHINE, kProfile));
    EXPECT_TRUE(r.WriteDword("WepAuto", 1));

    CRegistry missing;
    missing.m_lastType = 9;
    EXPECT_FALSE(missing.Open(HKEY_LOCAL_MACHINE, "Software\\Nowhere", KEY_ALL_ACCESS));
    EXPECT_EQ(missing.m_lastError, LONG{ERROR_FILE_NOT_FOUND});
    EXPECT_EQ(missing.m_lastType, 0u);
    EXPECT_EQ(missing.m_hKey, nullptr);
    EXPECT_FALSE(missing.OpenKey(HKEY_LOCAL_MACHINE, "Software\\Nowhere", KEY_READ));
    EXPECT_EQ(missing.m_keyPath, "Software\\Nowhere");
    DWORD number = 7;
#ifdef NDEBUG
    // Without the development checks (they stop a debug build here, see RegistryChecksTest)
    // a value operation on an object without a key fails by its result.
    EXPECT_FALSE(missing.ReadDword("WepAuto", number));
    EXPECT_EQ(number, 7u);
    EXPECT_FALSE(missing.WriteString("ESSID", "x"));
    EXPECT_EQ(missing.m_lastError, LONG{ERROR_INVALID_HANDLE});
#endif
    const LONG lastFailure = missing.m_lastError;

    // A successful Open leaves the status of the last failure as it was.
    EXPECT_TRUE(missing.Open(HKEY_LOCAL_MACHINE, kProfile, KEY_READ));
    EXPECT_EQ(missing.m_lastError, lastFailure);
    EXPECT_TRUE(missing.ReadDword("WepAuto", number));
    EXPECT_EQ(number, 1u);
}

TEST_F(RegistryTest, StringsReadBackUpToTheBufferOf200Bytes)
{
    struct Row {
        std::string stored;
        bool readable;
        DWORD size;
    };
    const Row rows[] = {
        {"", true, 1},
        {"Lakeside", true, 9},
        {std::string(199, 'k'), true, 200},
        {std::string(200, 'k'), false, 201},
        {std::string(260, 'k'), false, 261},
    };
    for (const Row& row : rows) {
        Write("Key1", row.stored.c_str());
        CRegistry r;
        ASSERT_TRUE(r.OpenKey(HKEY_LOCAL_MACHINE, kProfile, KEY_ALL_ACCESS));
        CString text = "unchanged";
        EXPECT_EQ(r.ReadString("Key1", text), row.readable ? TRUE : FALSE) << row.stored.size();
        EXPECT_EQ(text.str(), row.readable ? row.stored : "unchanged") << row.stored.size();
        EXPECT_EQ(r.m_lastType, DWORD{REG_SZ});
        EXPECT_EQ(r.m_lastSize, row.size);
        EXPECT_EQ(r.m_lastError, row.readable ? LONG{ERROR_SUCCESS} : LONG{ERROR_MORE_DATA});
    }
}

TEST_F(RegistryTest, WritesRecordTypeAndSizeAndReadsIgnoreTheType)
{
    CRegistry r;
    ASSERT_TRUE(r.CreateKey(HKEY_LOCAL_MACHINE, kProfile));
    EXPECT_EQ(r.m_lastType, 0u);
    ASSERT_TRUE(r.WriteString("Empty", ""));
    EXPECT_EQ(r.m_lastType, DWORD{REG_SZ});
    EXPECT_EQ(r.m_lastSize, 1u);
    ASSERT_TRUE(r.WriteDword("DefKeyID", 15));
    EXPECT_EQ(r.m_lastType, DWORD{REG_DWORD});
    EXPECT_EQ(r.m_lastSize, 4u);
    ASSERT_TRUE(r.WriteString("WepReq", "3"));

    DWORD number = 0;
    EXPECT_TRUE(r.ReadDword("DefKeyID", number));
    EXPECT_EQ(number, 15u);
    // A string read as a number: its bytes, the missing ones zero.
    EXPECT_TRUE(r.ReadDword("WepReq", number));
    EXPECT_EQ(number, DWORD{'3'});
    EXPECT_EQ(r.m_lastType, DWORD{REG_SZ});
    EXPECT_EQ(r.m_lastSize, 2u);
    number = 5;
    EXPECT_FALSE(r.ReadDword("Missing", number));
    EXPECT_EQ(number, 5u);
    EXPECT_EQ(r.m_lastError, LONG{ERROR_FILE_NOT_FOUND});
    // A number read as a string: its bytes up to the first zero.
    CString text;
    EXPECT_TRUE(r.ReadString("DefKeyID", text));
    EXPECT_EQ(text, "\x0F");
    EXPECT_TRUE(r.ReadString("Empty", text));
    EXPECT_EQ(text, "");
    text = "kept";
    EXPECT_FALSE(r.ReadString("Missing", text));
    EXPECT_EQ(text, "kept");
}

TEST_F(RegistryTest, CountAndNameSubKeysOnAHandleOfTheirOwn)
{
    Write("ESSID", "Lakeside");
    {
        CRegistry other;
        ASSERT_TRUE(other.CreateKey(HKEY_LOCAL_MACHINE, "Software\\Norvel\\KX710\\Profiles\\Harbour"));
    }
    CRegistry r;
    ASSERT_TRUE(r.OpenKey(HKEY_LOCAL_MACHINE, kProfile, KEY_READ));
    HKEY held = r.m_hKey;
    r.m_lastError = 99;
    const char* profiles = "Software\\Norvel\\KX710\\Profiles\\";
    EXPECT_EQ(r.CountSubKeys(HKEY_LOCAL_MACHINE, profiles), 2u);
    EXPECT_EQ(r.SubKeyName(HKEY_LOCAL_MACHINE, profiles, 0), "Harbour");
    EXPECT_EQ(r.SubKeyName(HKEY_LOCAL_MACHINE, profiles, 1), "Lakeside");
    EXPECT_EQ(r.SubKeyName(HKEY_LOCAL_MACHINE, profiles, 2), "");
    EXPECT_EQ(r.CountSubKeys(HKEY_LOCAL_MACHINE, kProfile), 0u);
    EXPECT_EQ(r.CountSubKeys(HKEY_LOCAL_MACHINE, "Software\\Nowhere"), 0u);
    EXPECT_EQ(r.SubKeyName(HKEY_LOCAL_MACHINE, "Software\\Nowhere", 0), "");
    EXPECT_EQ(r.m_hKey, held);
    EXPECT_EQ(r.m_lastError, 99);
}

TEST_F(RegistryTest, CloseKeyTwiceOrWithoutAKeyDoesNothing)
{
    CRegistry never;
    never.CloseKey();
    never.CloseKey();
    EXPECT_EQ(never.m_hKey, nullptr);

    CRegistry r;
    ASSERT_TRUE(r.CreateKey(HKEY_LOCAL_MACHINE, kProfile));
    HKEY key = r.m_hKey;
    r.CloseKey();
    r.CloseKey();
    EXPECT_EQ(r.m_hKey, nullptr);
    // The handle really went: the platform no longer knows it.
    EXPECT_EQ(RegCloseKey(key), LONG{ERROR_INVALID_HANDLE});
}

TEST_F(RegistryTest, OpeningAgainClosesTheKeyHeldBefore)
{
    CRegistry r;
    ASSERT_TRUE(r.CreateKey(HKEY_LOCAL_MACHINE, kProfile));
    HKEY first = r.m_hKey;
    ASSERT_TRUE(r.OpenKey(HKEY_LOCAL_MACHINE, "Software", KEY_READ));
    EXPECT_EQ(RegCloseKey(first), LONG{ERROR_INVALID_HANDLE});
}

TEST_F(RegistryTest, AMissingTextFailsInsteadOfBeingRead)
{
    CRegistry r;
    ASSERT_TRUE(r.CreateKey(HKEY_LOCAL_MACHINE, kProfile));
    // Release builds only: the development check stops a debug build first.
#ifdef NDEBUG
    EXPECT_FALSE(r.WriteString("ESSID", nullptr));
    EXPECT_EQ(r.m_lastError, LONG{ERROR_INVALID_PARAMETER});
#endif
    CString text = "kept";
    EXPECT_FALSE(r.ReadString("ESSID", text));
    EXPECT_EQ(text, "kept");
}
