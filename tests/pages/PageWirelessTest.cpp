#include <gtest/gtest.h>

#include "WirelessPageFixture.h"
#include "machine/adapter/SimulatedAdapterFactory.h"

namespace {

using namespace wireless_test;

const std::vector<std::string> kDefaultNetworks = {"Lakeside",  "Harbour-Office", "Granary-Lab", "PicnicNet",
                                                   "",          "Corner-Cafe",    "Station-Hall"};

TEST(PageWireless, ListShowsTheLastScanWithItsColumnsIconsAndTotal)
{
    WirelessPage p;
    p.Open();
    EXPECT_EQ(p.ui.columns(p.C(IDC_LIST)),
              (std::vector<std::string>{"              SSID", "           BSSID", " Ch", "Signal", " WEP"}));
    // Corner-Cafe is reported twice and listed once.
    EXPECT_EQ(p.Names(), kDefaultNetworks);
    EXPECT_EQ(p.Text(IDC_TOTAL), "7");
    const auto rows = p.Rows();
    EXPECT_EQ(rows[1].texts, (std::vector<std::string>{"Harbour-Office", "  02 48 42 00 01 02", "  1", "60", " ON"}));
    EXPECT_EQ(rows[3].texts[4], " OFF");
    EXPECT_EQ(rows[0].image_resource_id, zephra::res::IDI_AP_CURRENT);
    EXPECT_EQ(rows[1].image_resource_id, zephra::res::IDI_AP);
    EXPECT_EQ(rows[3].image_resource_id, zephra::res::IDI_STATION);
    EXPECT_EQ(p.Text(IDC_SSID), " Lakeside");
    EXPECT_TRUE(p.ui.read_only(p.C(IDC_SSID)));
    EXPECT_EQ(p.Selection(IDC_MODE), 2);
    for (int id : {IDC_CONNECT, IDC_CONNECT_WEP, IDC_KEY, IDC_WEP_AUTO, IDC_KEY_INDEX})
        EXPECT_FALSE(p.Enabled(id)) << id;
    EXPECT_TRUE(p.Enabled(IDC_REFRESH));
    // Full-row select, and column widths in units of a seventieth of the list's width.
    CListCtrl& list = p.Page().m_listNetworks;
    EXPECT_NE(list.GetExtendedStyle() & LVS_EX_FULLROWSELECT, 0U);
    CRect client;
    list.GetClientRect(&client);
    EXPECT_EQ(list.GetColumnWidth(1), 22 * (client.Width() / 70));
}

TEST(PageWireless, TheFilterListsOneModeWithItsTotalAndRowsStillFindTheirEntries)
{
    WirelessPage p;
    p.Open();
    p.ui.select(p.C(IDC_MODE), 1);
    EXPECT_EQ(p.Names(), (std::vector<std::string>{"Lakeside", "Harbour-Office", "Granary-Lab", "", "Corner-Cafe", "Station-Hall"}));
    EXPECT_EQ(p.Text(IDC_TOTAL), "6");
    p.ClickRow("Corner-Cafe");
    EXPECT_TRUE(p.Enabled(IDC_CONNECT));
    EXPECT_EQ(p.Selection(IDC_MODE), 1);

    p.ui.select(p.C(IDC_MODE), 0);
    EXPECT_EQ(p.Names(), (std::vector<std::string>{"PicnicNet"}));
    EXPECT_EQ(p.Text(IDC_TOTAL), "1");
    EXPECT_FALSE(p.Enabled(IDC_CONNECT));
    // Row 0 is table entry 3 (entry 0 is an access point): the click finds its entry by
    // the BSSID, so the mode box shows the ad hoc network's mode.
    p.ClickRow("PicnicNet");
    EXPECT_EQ(p.Selection(IDC_MODE), 0);
    EXPECT_TRUE(p.Enabled(IDC_CONNECT));

    p.ui.select(p.C(IDC_MODE), 2);
    EXPECT_EQ(p.Names(), kDefaultNetworks);
    EXPECT_EQ(p.Text(IDC_TOTAL), "7");
}

TEST(PageWireless, PlainConnectUnderAutomaticSendsWepOffModeThenSsidAndJoins)
{
    WirelessPage p;
    p.Open();
    // The click shows the network's own mode in the box.
    p.ClickRow("Corner-Cafe");
    ASSERT_TRUE(p.Enabled(IDC_CONNECT));
    EXPECT_EQ(p.Selection(IDC_MODE), 1);
    p.ui.machine().clear_request_log();
    p.ui.click(p.C(IDC_CONNECT));
    EXPECT_EQ(p.SetOids(), kPlainConnect);
    EXPECT_EQ(DwordAt(p.LastSet(OID_802_11_WEP_STATUS)->data, 0), 1U);  // disabled
    EXPECT_EQ(DwordAt(p.LastSet(OID_802_11_INFRASTRUCTURE_MODE)->data, 0), 1U);
    EXPECT_EQ(p.SsidSet(), "Corner-Cafe");
    EXPECT_EQ(p.ui.wait_cursor_depth(), 0);
    // The list state again, the ring on the network joined.
    EXPECT_EQ(p.Ringed(), (std::vector<std::string>{"Corner-Cafe"}));
    EXPECT_EQ(p.Text(IDC_SSID), " Corner-Cafe");
    p.ui.select_tab(p.sheet, 0);
    EXPECT_EQ(p.ui.text(p.ui.control(p.ui.active_page(p.sheet), 1104)), " Corner-Cafe");
}

TEST(PageWireless, DoubleClickConnectsOnlyToAnOpenNamedNetwork)
{
    WirelessPage p;
    p.Open();
    p.ui.machine().clear_request_log();
    p.ui.double_click_row(p.C(IDC_LIST), p.RowOf("Harbour-Office"));
    EXPECT_EQ(p.SsidSet(), "<none>");
    p.ui.double_click_row(p.C(IDC_LIST), p.RowOf(""));
    EXPECT_EQ(p.SsidSet(), "<none>");
    p.ui.double_click_row(p.C(IDC_LIST), p.RowOf("Corner-Cafe"));
    EXPECT_EQ(p.SsidSet(), "Corner-Cafe");
    EXPECT_EQ(p.Ringed(), (std::vector<std::string>{"Corner-Cafe"}));
}

TEST(PageWireless, WepConnectWithA13CharacterKeySendsTheKeyRecordBeforeModeAndSsid)
{
    WirelessPage p;
    p.Open();
    p.ClickRow("Granary-Lab");
    EXPECT_TRUE(p.Enabled(IDC_KEY));
    EXPECT_FALSE(p.Enabled(IDC_CONNECT_WEP));
    p.ui.type(p.C(IDC_KEY), "granary-lab13");
    EXPECT_EQ(p.Selection(IDC_KEY_LENGTH), 2);
    EXPECT_EQ(p.Selection(IDC_KEY_FORMAT), 0);
    EXPECT_EQ(p.Selection(IDC_KEY_INDEX), 0);
    EXPECT_FALSE(p.Enabled(IDC_KEY_INDEX));
    ASSERT_TRUE(p.Enabled(IDC_CONNECT_WEP));
    p.ui.machine().clear_request_log();
    p.ui.click(p.C(IDC_CONNECT_WEP));
    EXPECT_EQ(p.SetOids(), kKeyedConnect);
    EXPECT_EQ(DwordAt(p.LastSet(OID_802_11_WEP_STATUS)->data, 0), 0U);  // enabled
    const auto& key = p.LastSet(OID_802_11_ADD_WEP)->data;
    ASSERT_EQ(key.size(), 42U);
    EXPECT_EQ(DwordAt(key, 0), 16U);
    EXPECT_EQ(DwordAt(key, 4), 0x80000000U);
    EXPECT_EQ(DwordAt(key, 8), 13U);
    EXPECT_EQ(std::string(key.begin() + 12, key.begin() + 25), "granary-lab13");
    EXPECT_TRUE(std::all_of(key.begin() + 25, key.end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(p.SsidSet(), "Granary-Lab");
    EXPECT_EQ(p.Ringed(), (std::vector<std::string>{"Granary-Lab"}));
    EXPECT_EQ(p.Text(IDC_KEY), "");
}

TEST(PageWireless, AWrongKeyLeavesTheAdapterUnassociatedAndTheRightHexKeyJoins)
{
    WirelessPage p;
    p.Open();
    p.ClickRow("Harbour-Office");
    p.ui.type(p.C(IDC_KEY), "wrong");
    p.ui.click(p.C(IDC_CONNECT_WEP));
    EXPECT_EQ(p.SsidSet(), "Harbour-Office");
    EXPECT_TRUE(p.Ringed().empty());

    // The key the README names: 10 hex digits go to the adapter as the 5 bytes they encode.
    // The wrong key was stored, so its mask comes back first; the right one is typed over it.
    p.ClickRow("Harbour-Office");
    EXPECT_EQ(p.Text(IDC_KEY), "*****");
    p.ui.select_text(p.C(IDC_KEY), 0, -1);
    p.ui.type(p.C(IDC_KEY), "1A2B3C4D5E");
    EXPECT_EQ(p.Selection(IDC_KEY_FORMAT), 1);
    EXPECT_EQ(p.Selection(IDC_KEY_LENGTH), 1);
    p.ui.machine().clear_request_log();
    p.ui.click(p.C(IDC_CONNECT_WEP));
    const auto& key = p.LastSet(OID_802_11_ADD_WEP)->data;
    EXPECT_EQ(DwordAt(key, 8), 5U);
    EXPECT_EQ(std::vector<std::uint8_t>(key.begin() + 12, key.begin() + 18), (std::vector<std::uint8_t>{0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0}));
    EXPECT_EQ(p.Ringed(), (std::vector<std::string>{"Harbour-Office"}));
}

TEST(PageWireless, AHexLengthKeyThatIsNotHexGoesOutAsItsFirstCharacters)
{
    WirelessPage p;
    p.Open();
    p.ClickRow("Harbour-Office");
    p.ui.type(p.C(IDC_KEY), "harb2harb2");
    p.ui.machine().clear_request_log();
    p.ui.click(p.C(IDC_CONNECT_WEP));
    const auto& key = p.LastSet(OID_802_11_ADD_WEP)->data;
    EXPECT_EQ(DwordAt(key, 8), 5U);
    EXPECT_EQ(std::string(key.begin() + 12, key.begin() + 17), "harb2");
    EXPECT_TRUE(std::all_of(key.begin() + 17, key.end(), [](std::uint8_t b) { return b == 0; }));

    // The longest such key fills the scratch space exactly and stays inside it.
    p.ClickRow("Granary-Lab");
    p.ui.type(p.C(IDC_KEY), "granary-lab13granary-lab13");
    p.ui.machine().clear_request_log();
    p.ui.click(p.C(IDC_CONNECT_WEP));
    const auto& longKey = p.LastSet(OID_802_11_ADD_WEP)->data;
    EXPECT_EQ(DwordAt(longKey, 8), 13U);
    EXPECT_EQ(std::string(longKey.begin() + 12, longKey.begin() + 25), "granary-lab13");
    EXPECT_TRUE(std::all_of(longKey.begin() + 25, longKey.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(PageWireless, AutomaticKeysSendNoKeyRecord)
{
    WirelessPage p;
    p.Open();
    p.ClickRow("Station-Hall");
    p.ui.click(p.C(IDC_WEP_AUTO));
    EXPECT_TRUE(p.Enabled(IDC_CONNECT_WEP));
    for (int id : {IDC_KEY, IDC_KEY_FORMAT, IDC_KEY_LENGTH, IDC_KEY_INDEX})
        EXPECT_FALSE(p.Enabled(id)) << id;
    p.ui.machine().clear_request_log();
    p.ui.click(p.C(IDC_CONNECT_WEP));
    EXPECT_EQ(p.SetOids(), kPlainConnect);
    EXPECT_EQ(DwordAt(p.LastSet(OID_802_11_WEP_STATUS)->data, 0), 0U);
    EXPECT_EQ(p.Ringed(), (std::vector<std::string>{"Station-Hall"}));
}

TEST(PageWireless, KeyControlsFollowTheKeyLengthAndRefuseIncompleteKeys)
{
    WirelessPage p;
    p.Open();
    p.ClickRow("Harbour-Office");
    HWND key = p.C(IDC_KEY);
    p.ui.type(key, "abcde");
    EXPECT_EQ(p.Selection(IDC_KEY_FORMAT), 0);
    EXPECT_EQ(p.Selection(IDC_KEY_LENGTH), 0);
    EXPECT_TRUE(p.Enabled(IDC_CONNECT_WEP));
    p.ui.type(key, "f");
    EXPECT_FALSE(p.Enabled(IDC_CONNECT_WEP));
    EXPECT_FALSE(p.Enabled(IDC_CONNECT));
    // An incomplete key keeps its index.
    p.ui.select(p.C(IDC_KEY_INDEX), 2);
    EXPECT_EQ(p.Selection(IDC_KEY_INDEX), 0);

    p.ui.press_key(key, VK_BACK);
    p.ui.select(p.C(IDC_KEY_INDEX), 2);
    EXPECT_EQ(p.Selection(IDC_KEY_INDEX), 2);
    EXPECT_EQ(p.Text(IDC_KEY), "");
    // 26 hex digits with key 3 selected go to key 1, and the index box locks.
    p.ui.type(key, "0102030405060708090A0B0C0D");
    EXPECT_EQ(p.Selection(IDC_KEY_INDEX), 0);
    EXPECT_FALSE(p.Enabled(IDC_KEY_INDEX));
    EXPECT_EQ(p.Selection(IDC_KEY_LENGTH), 3);
    EXPECT_EQ(p.Selection(IDC_KEY_FORMAT), 1);
    EXPECT_EQ(p.Page().m_wep.strKey[0], "0102030405060708090A0B0C0D");

    // A 104-bit length clears every slot and the edit; the format keeps the class.
    p.ui.select(p.C(IDC_KEY_LENGTH), 2);
    EXPECT_EQ(p.Text(IDC_KEY), "");
    EXPECT_EQ(p.Page().m_wep.strKey[0], "");
    EXPECT_EQ(p.Page().m_wep.strKey[2], "");
    EXPECT_EQ(p.Selection(IDC_KEY_FORMAT), 0);
    EXPECT_FALSE(p.Enabled(IDC_CONNECT_WEP));
    p.ui.select(p.C(IDC_KEY_FORMAT), 1);
    EXPECT_EQ(p.Selection(IDC_KEY_LENGTH), 3);

    // Ticking direct entry under "Automatic" switches the mode box to "Infrastructure".
    p.ui.select(p.C(IDC_MODE), 2);
    p.ui.click(p.C(IDC_DIRECT));
    EXPECT_EQ(p.Selection(IDC_MODE), 1);
}

TEST(PageWireless, HiddenNameStateStopsTheSsidTimerAndANamedRowRestartsIt)
{
    WirelessPage p;
    p.Open();
    HWND ssid = p.C(IDC_SSID);
    p.ClickRow("");
    EXPECT_FALSE(p.ui.read_only(ssid));
    EXPECT_EQ(p.Text(IDC_SSID), "");
    EXPECT_FALSE(p.Enabled(IDC_CONNECT));
    p.ui.machine().clear_request_log();
    p.ui.run_for(3000);
    EXPECT_EQ(p.Queries(OID_802_11_SSID), 0);
    p.ui.type(ssid, "Backroom");
    EXPECT_TRUE(p.Enabled(IDC_CONNECT));

    p.ClickRow("Lakeside");
    EXPECT_TRUE(p.ui.read_only(ssid));
    EXPECT_EQ(p.Text(IDC_SSID), " Lakeside");
    p.ui.machine().clear_request_log();
    p.ui.run_for(2000);
    EXPECT_EQ(p.Queries(OID_802_11_SSID), 2);

    // The hidden network is joined by the name typed for it.
    p.ClickRow("");
    p.ui.type(ssid, "Backroom");
    p.ui.machine().clear_request_log();
    p.ui.click(p.C(IDC_CONNECT));
    EXPECT_EQ(p.SsidSet(), "Backroom");
    EXPECT_EQ(p.Ringed(), (std::vector<std::string>{""}));
    EXPECT_TRUE(p.ui.read_only(ssid));
}

TEST(PageWireless, DirectStateTypesTheNameAndAnAutomaticConnectSendsInfrastructure)
{
    WirelessPage p;
    p.Open();
    p.ui.click(p.C(IDC_DIRECT));
    EXPECT_TRUE(p.Rows().empty());
    EXPECT_FALSE(p.Enabled(IDC_LIST));
    EXPECT_EQ(p.Text(IDC_TOTAL), "0");
    EXPECT_FALSE(p.Enabled(IDC_REFRESH));
    EXPECT_FALSE(p.Enabled(IDC_CONNECT));
    EXPECT_FALSE(p.ui.read_only(p.C(IDC_SSID)));
    EXPECT_EQ(p.Text(IDC_SSID), "");
    p.ui.machine().clear_request_log();
    p.ui.run_for(2000);
    EXPECT_EQ(p.Queries(OID_802_11_SSID), 0);

    p.ui.select(p.C(IDC_MODE), 2);
    EXPECT_TRUE(p.Rows().empty());
    p.ui.type(p.C(IDC_SSID), "Corner-Cafe");
    ASSERT_TRUE(p.Enabled(IDC_CONNECT));
    p.ui.click(p.C(IDC_CONNECT));
    EXPECT_EQ(DwordAt(p.LastSet(OID_802_11_INFRASTRUCTURE_MODE)->data, 0), 1U);
    EXPECT_EQ(p.SsidSet(), "Corner-Cafe");
    // Back in the list state.
    EXPECT_EQ(p.ui.check(p.C(IDC_DIRECT)), BST_UNCHECKED);
    EXPECT_TRUE(p.Enabled(IDC_LIST));
    EXPECT_EQ(p.Ringed(), (std::vector<std::string>{"Corner-Cafe"}));

    // Unticking the box goes back to the list too.
    p.ui.click(p.C(IDC_DIRECT));
    p.ui.click(p.C(IDC_DIRECT));
    EXPECT_EQ(p.Names(), kDefaultNetworks);
    EXPECT_TRUE(p.ui.read_only(p.C(IDC_SSID)));
}

TEST(PageWireless, AnEmptyRescanEmptiesTheListAndShowsTotalZero)
{
    machine::Scenario scenario = machine::default_scenario();
    nlohmann::json off = nlohmann::json::array();
    for (const auto& network : scenario.wireless["networks"])
        off.push_back(network["bssid"]);
    scenario.wireless["events"] = nlohmann::json::array({{{"at_ms", 5000}, {"switch_off", off}}});
    WirelessPage p(scenario);
    p.Open();
    EXPECT_EQ(p.Text(IDC_TOTAL), "7");
    p.ui.run_for(3000);
    p.ui.click(p.C(IDC_REFRESH));
    EXPECT_TRUE(p.Rows().empty());
    EXPECT_EQ(p.Text(IDC_TOTAL), "0");
    EXPECT_EQ(p.ui.wait_cursor_depth(), 0);
    EXPECT_GE(p.ui.wait_cursor_shows(), 1);
}

TEST(PageWireless, ANameOf32CharactersIsShownAndJoinedWholeWithoutComplaint)
{
    const std::string name = "Thirty-Two-Character-Network-Nme";
    ASSERT_EQ(name.size(), 32U);
    machine::Scenario scenario = machine::default_scenario();
    scenario.wireless["networks"].push_back({{"bssid", "02:54:54:00:01:08"}, {"ssid", name}, {"channel", 4}, {"signal_dbm", -50}});
    WirelessPage p(scenario);
    p.Open();
    ASSERT_GE(p.RowOf(name), 0);
    p.ClickRow(name);
    p.ui.click(p.C(IDC_CONNECT));
    EXPECT_EQ(p.SsidSet(), name);
    EXPECT_EQ(p.Ringed(), (std::vector<std::string>{name}));
    EXPECT_EQ(p.Text(IDC_SSID), " " + name);
    p.ClickRow("Lakeside");
    p.ui.run_for(2000);
    EXPECT_TRUE(p.ui.message_boxes().empty());
}

TEST(PageWireless, AClickOrDoubleClickWithNoRowCurrentChangesNothing)
{
    WirelessPage p;
    p.Open();
    p.ui.machine().clear_request_log();
    p.ui.click_row(p.C(IDC_LIST), -1);
    p.ui.double_click_row(p.C(IDC_LIST), -1);
    EXPECT_TRUE(p.ui.read_only(p.C(IDC_SSID)));
    EXPECT_EQ(p.Text(IDC_SSID), " Lakeside");
    EXPECT_FALSE(p.Enabled(IDC_CONNECT));
    EXPECT_FALSE(p.Enabled(IDC_KEY));
    EXPECT_TRUE(p.Sets().empty());
}

TEST(PageWireless, NotBoundTheControlsKeepTheirStateAndNothingReachesTheAdapter)
{
    machine::Scenario scenario = machine::default_scenario();
    scenario.protocol_driver.installed = false;
    WirelessPage p(scenario);
    p.Open();
    EXPECT_TRUE(p.ui.columns(p.C(IDC_LIST)).empty());
    EXPECT_TRUE(p.Rows().empty());
    p.ui.machine().clear_request_log();
    p.ui.click(p.C(IDC_REFRESH));
    p.ui.click(p.C(IDC_CONNECT));
    p.ui.click(p.C(IDC_CONNECT_WEP));
    p.ui.run_for(2000);
    EXPECT_TRUE(p.ui.machine().adapter_requests().empty());
    EXPECT_TRUE(p.Rows().empty());
    EXPECT_EQ(p.ui.wait_cursor_depth(), 0);
    EXPECT_TRUE(p.ui.message_boxes().empty());
}

}  // namespace
