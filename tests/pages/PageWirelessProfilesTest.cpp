#include <gtest/gtest.h>

#include <optional>

#include "WirelessPageFixture.h"
#include "registry/DriverParams.h"
#include "registry/Registry.h"

namespace {

using namespace wireless_test;

constexpr char kProfiles[] = "Software\\Norvel\\KX710\\Profiles\\";

// The registry as the program's thread sees it.
class StoredSettings {
public:
    explicit StoredSettings(WirelessPage& page) : m_page(page) {}

    std::optional<std::string> String(const std::string& path, const char* name)
    {
        std::optional<std::string> value;
        m_page.ui.run([&] {
            CRegistry key;
            CString text;
            if (key.OpenKey(HKEY_LOCAL_MACHINE, path.c_str(), KEY_READ) && key.ReadString(name, text))
                value = text.str();
        });
        return value;
    }
    std::optional<DWORD> Dword(const std::string& path, const char* name)
    {
        std::optional<DWORD> value;
        m_page.ui.run([&] {
            CRegistry key;
            DWORD number = 0;
            if (key.OpenKey(HKEY_LOCAL_MACHINE, path.c_str(), KEY_READ) && key.ReadDword(name, number))
                value = number;
        });
        return value;
    }
    bool Exists(const std::string& path)
    {
        bool exists = false;
        m_page.ui.run([&] {
            CRegistry key;
            exists = key.OpenKey(HKEY_LOCAL_MACHINE, path.c_str(), KEY_READ) != FALSE;
        });
        return exists;
    }
    std::string DriverKey()
    {
        std::string path;
        m_page.ui.run([&] { path = DriverKeyPath(*m_page.Page().m_pPrtUtil).str(); });
        return path;
    }
    std::optional<std::string> Driver(const char* name) { return String(DriverKey(), name); }
    // A profile as an earlier save would have left it.
    void StoreProfile(const std::string& ssid, const std::vector<std::pair<const char*, std::string>>& strings,
                      const std::vector<std::pair<const char*, DWORD>>& numbers)
    {
        m_page.ui.run([&] {
            CRegistry key;
            ASSERT_TRUE(key.CreateKey(HKEY_LOCAL_MACHINE, (kProfiles + ssid).c_str()));
            key.WriteString("ESSID", ssid.c_str());
            for (const auto& [name, value] : strings)
                key.WriteString(name, value.c_str());
            for (const auto& [name, value] : numbers)
                key.WriteDword(name, value);
        });
    }

private:
    WirelessPage& m_page;
};

std::string Profile(const std::string& ssid) { return kProfiles + ssid; }

TEST(PageWirelessStored, APlainConnectWritesTheDriversNetworkAndNoProfile)
{
    WirelessPage p;
    p.Open();
    StoredSettings stored(p);
    ASSERT_FALSE(stored.DriverKey().empty());
    p.ClickRow("Corner-Cafe");
    p.ui.click(p.C(IDC_CONNECT));
    EXPECT_EQ(stored.Driver("ESSID"), "Corner-Cafe");
    EXPECT_EQ(stored.Driver("NetworkMode"), "1");
    EXPECT_EQ(stored.Driver("WepReq"), "0");
    EXPECT_EQ(stored.Driver("DefaultKeys"), std::nullopt);
    EXPECT_FALSE(stored.Exists(Profile("Corner-Cafe")));

    p.ui.select(p.C(IDC_MODE), 0);
    p.ClickRow("PicnicNet");
    p.ui.click(p.C(IDC_CONNECT));
    EXPECT_EQ(stored.Driver("NetworkMode"), "0");
}

TEST(PageWirelessStored, AStoredKeyInSlotTwoShowsItsMaskAndConnectsWithPlaceholdersInTheEmptySlots)
{
    WirelessPage p;
    p.Open();
    StoredSettings stored(p);
    stored.StoreProfile("Harbour-Office", {{"WepReq", "3"}, {"Key1", ""}, {"Key2", "1A2B3C4D5E"}, {"Key3", ""}, {"Key4", ""}},
                        {{"DefKeyID", 1}, {"WepAuto", 0}});
    p.ClickRow("Harbour-Office");
    EXPECT_EQ(p.Text(IDC_KEY), "**********");
    EXPECT_EQ(p.Selection(IDC_KEY_INDEX), 1);
    EXPECT_EQ(p.Selection(IDC_KEY_FORMAT), 1);
    EXPECT_EQ(p.Selection(IDC_KEY_LENGTH), 1);
    ASSERT_TRUE(p.Enabled(IDC_CONNECT_WEP));

    p.ui.machine().clear_request_log();
    p.ui.click(p.C(IDC_CONNECT_WEP));
    EXPECT_EQ(p.SetOids(), kKeyedConnect);
    const auto& key = p.LastSet(OID_802_11_ADD_WEP)->data;
    EXPECT_EQ(DwordAt(key, 0), 16U);
    EXPECT_EQ(DwordAt(key, 4), 0x80000001U);
    EXPECT_EQ(DwordAt(key, 8), 5U);
    EXPECT_EQ(std::vector<std::uint8_t>(key.begin() + 12, key.begin() + 17), (std::vector<std::uint8_t>{0x1A, 0x2B, 0x3C, 0x4D, 0x5E}));
    EXPECT_EQ(p.Ringed(), (std::vector<std::string>{"Harbour-Office"}));

    const std::string profile = Profile("Harbour-Office");
    EXPECT_EQ(stored.Dword(profile, "DefKeyID"), 1U);
    EXPECT_EQ(stored.String(profile, "WepReq"), "3");
    EXPECT_EQ(stored.Dword(profile, "WepAuto"), 0U);
    EXPECT_EQ(stored.String(profile, "Key2"), "1A2B3C4D5E");
    for (const char* slot : {"Key1", "Key3", "Key4"})
        EXPECT_EQ(stored.String(profile, slot), "00000") << slot;
    EXPECT_EQ(stored.Driver("DefaultKeyId"), "1");
    EXPECT_EQ(stored.Driver("DefaultKeys"), "3030303030" "1A2B3C4D5E" "3030303030" "3030303030");
    EXPECT_EQ(stored.Driver("WepReq"), "3");
    EXPECT_EQ(stored.Driver("ESSID"), "Harbour-Office");
}

TEST(PageWirelessStored, AThirteenCharacterKeyIsStoredAndGivenToTheDriverAsHex)
{
    WirelessPage p;
    p.Open();
    StoredSettings stored(p);
    EXPECT_FALSE(stored.Exists("Software\\Norvel\\KX710\\"));
    p.ClickRow("Granary-Lab");
    p.ui.type(p.C(IDC_KEY), "granary-lab13");
    p.ui.click(p.C(IDC_CONNECT_WEP));
    // The first save makes the product's keys too.
    for (const char* key : {"Language\\", "WindowPos\\", "Profiles\\", "Options\\"})
        EXPECT_TRUE(stored.Exists(std::string("Software\\Norvel\\KX710\\") + key)) << key;
    const std::string profile = Profile("Granary-Lab");
    EXPECT_EQ(stored.String(profile, "ESSID"), "Granary-Lab");
    EXPECT_EQ(stored.String(profile, "WepReq"), "7");
    EXPECT_EQ(stored.String(profile, "Key1"), "granary-lab13");
    EXPECT_EQ(stored.String(profile, "Key2"), "0000000000000");
    EXPECT_EQ(stored.Dword(profile, "DefKeyID"), 0U);
    EXPECT_EQ(stored.Driver("WepReq"), "7");
    EXPECT_EQ(stored.Driver("DefaultKeyId"), "0");
    EXPECT_EQ(stored.Driver("DefaultKeys"), "6772616e6172792d6c61623133");

    // Back on the network later: the mask of the stored key, never the key.
    p.ClickRow("Lakeside");
    p.ClickRow("Granary-Lab");
    EXPECT_EQ(p.Text(IDC_KEY), "*************");
    EXPECT_FALSE(p.Enabled(IDC_KEY_INDEX));
    EXPECT_TRUE(p.Enabled(IDC_CONNECT_WEP));
}

TEST(PageWirelessStored, AutomaticKeysStoreOnlyTheNameAndTheFlag)
{
    WirelessPage p;
    p.Open();
    StoredSettings stored(p);
    p.ClickRow("Station-Hall");
    p.ui.click(p.C(IDC_WEP_AUTO));
    p.ui.click(p.C(IDC_CONNECT_WEP));
    const std::string profile = Profile("Station-Hall");
    EXPECT_EQ(stored.String(profile, "ESSID"), "Station-Hall");
    EXPECT_EQ(stored.Dword(profile, "WepAuto"), 1U);
    for (const char* name : {"Key1", "WepReq"})
        EXPECT_EQ(stored.String(profile, name), std::nullopt) << name;
    EXPECT_EQ(stored.Dword(profile, "DefKeyID"), std::nullopt);
    EXPECT_EQ(stored.Driver("ESSID"), "Station-Hall");
    EXPECT_EQ(stored.Driver("NetworkMode"), "1");
    EXPECT_EQ(stored.Driver("WepReq"), "0");
    EXPECT_EQ(stored.Driver("DefaultKeys"), std::nullopt);

    p.ClickRow("Lakeside");
    p.ClickRow("Station-Hall");
    EXPECT_EQ(p.ui.check(p.C(IDC_WEP_AUTO)), BST_CHECKED);
    EXPECT_TRUE(p.Enabled(IDC_CONNECT_WEP));
    EXPECT_FALSE(p.Enabled(IDC_KEY));
}

TEST(PageWirelessStored, AStoredDefaultKeyOutsideTheFourSlotsIsNoUsableKey)
{
    WirelessPage p;
    p.Open();
    StoredSettings stored(p);
    stored.StoreProfile("Harbour-Office", {{"WepReq", "3"}, {"Key1", "harb2"}}, {{"DefKeyID", 7}, {"WepAuto", 0}});
    p.ClickRow("Harbour-Office");
    EXPECT_EQ(p.Text(IDC_KEY), "");
    EXPECT_EQ(p.Selection(IDC_KEY_INDEX), 0);
    EXPECT_FALSE(p.Enabled(IDC_CONNECT_WEP));
    EXPECT_TRUE(p.Enabled(IDC_KEY));
}

TEST(PageWirelessStored, ALimitedUserConnectsButNothingIsStoredAndNothingSaid)
{
    machine::Scenario scenario = machine::default_scenario();
    scenario.limited_user = true;
    WirelessPage p(scenario);
    p.Open();
    StoredSettings stored(p);
    const auto essidBefore = stored.Driver("ESSID");
    p.ClickRow("Granary-Lab");
    p.ui.type(p.C(IDC_KEY), "granary-lab13");
    p.ui.click(p.C(IDC_CONNECT_WEP));
    EXPECT_EQ(p.Ringed(), (std::vector<std::string>{"Granary-Lab"}));
    EXPECT_FALSE(stored.Exists(Profile("Granary-Lab")));
    EXPECT_EQ(stored.Driver("ESSID"), essidBefore);
    EXPECT_EQ(stored.Driver("DefaultKeys"), std::nullopt);
    p.ClickRow("Corner-Cafe");
    p.ui.click(p.C(IDC_CONNECT));
    EXPECT_EQ(p.Ringed(), (std::vector<std::string>{"Corner-Cafe"}));
    EXPECT_EQ(stored.Driver("ESSID"), essidBefore);
    EXPECT_TRUE(p.ui.message_boxes().empty());
}

}  // namespace
