#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/Oids.h"
#include "driver/StatusText.h"
#include "shell/ShellFixture.h"

namespace {

using namespace shell_test;

constexpr int IDC_STATION = 1088, IDC_CHANNEL = 1094, IDC_MODE = 1100, IDC_LINK = 1101, IDC_ADAPTER = 1102,
              IDC_IP = 1103, IDC_SSID = 1104, IDC_MASK = 1105, IDC_GATEWAY = 1106, IDC_DNS = 1107,
              IDC_ENCRYPTION = 1108, IDC_POWER = 1109;
constexpr int kValueIds[] = {IDC_STATION, IDC_CHANNEL, IDC_MODE,    IDC_LINK, IDC_ADAPTER,    IDC_IP,
                             IDC_SSID,    IDC_MASK,    IDC_GATEWAY, IDC_DNS,  IDC_ENCRYPTION, IDC_POWER};
constexpr char kAdapter[] = "KX710 Wireless LAN Mini-PCI Adapter";

std::vector<std::uint8_t> SsidRecord(const std::string& name)
{
    std::vector<std::uint8_t> b = Dword(static_cast<std::int64_t>(name.size()));
    b.resize(36, 0);
    std::copy(name.begin(), name.end(), b.begin() + 4);
    return b;
}

class ConnectionPage : public ShellFixture {
public:
    explicit ConnectionPage(const machine::Scenario& scenario = machine::default_scenario()) : ShellFixture(scenario)
    {
        adapter.answers[OID_802_11_BSSID] = {0x02, 0x48, 0x42, 0x00, 0x01, 0x0A};
        adapter.answers[OID_802_11_INFRASTRUCTURE_MODE] = Dword(1);
        adapter.answers[OID_802_11_POWER_MODE] = Dword(0);
        adapter.answers[OID_802_11_WEP_STATUS] = Dword(0);
        adapter.answers[OID_PRT_CHANNEL] = Dword(6);
        adapter.answers[OID_802_11_SSID] = SsidRecord("Lakeside");
        adapter.answers[OID_802_3_PERMANENT_ADDRESS] = {0x02, 0x5A, 0x45, 0x50, 0x00, 0x01};
    }
    HWND Open()
    {
        Start();
        ui.double_click_tray();
        sheet = ui.open_sheet();
        return sheet;
    }
    std::string Text(int id) { return ui.text(ui.control(ui.active_page(sheet), id)); }
    int AccessPointQueries()
    {
        int n = 0;
        for (const machine::LoggedRequest& r : ui.machine().adapter_requests())
            n += r.oid == OID_802_11_BSSID ? 1 : 0;
        return n;
    }
    HWND sheet = nullptr;
};

TEST(PageConnection, ConnectedShowsTheLinkWithItsAccessPointAndEveryValue)
{
    ConnectionPage p;
    ASSERT_NE(p.Open(), nullptr);
    EXPECT_EQ(p.Text(IDC_LINK), " Connected (02:48:42:00:01:0A)");
    EXPECT_EQ(p.Text(IDC_MODE), status_text::NetworkMode(1).str());
    EXPECT_EQ(p.Text(IDC_POWER), status_text::PowerMode(0).str());
    EXPECT_EQ(p.Text(IDC_ENCRYPTION), status_text::Encryption(0).str());
    EXPECT_EQ(p.Text(IDC_CHANNEL), status_text::Channel(6).str());
    EXPECT_EQ(p.Text(IDC_SSID).find("Lakeside") != std::string::npos, true);
    EXPECT_EQ(p.Text(IDC_STATION), "02:5A:45:50:00:01");
    EXPECT_EQ(p.Text(IDC_ADAPTER).rfind(kAdapter, 0), 0U);
    EXPECT_EQ(p.Text(IDC_IP), "192.168.1.23");
    EXPECT_EQ(p.Text(IDC_MASK), "255.255.255.0");
    EXPECT_EQ(p.Text(IDC_GATEWAY), "192.168.1.1");
}

TEST(PageConnection, ConnectedWithAnAllZeroAccessPointCountsAsNotConnected)
{
    ConnectionPage p;
    p.adapter.answers[OID_802_11_BSSID] = {0, 0, 0, 0, 0, 0};
    ASSERT_NE(p.Open(), nullptr);
    EXPECT_EQ(p.Text(IDC_LINK), " Connected ");
    for (int id : {IDC_MODE, IDC_POWER, IDC_ENCRYPTION, IDC_CHANNEL, IDC_SSID})
        EXPECT_EQ(p.Text(id), "") << id;
    EXPECT_EQ(p.Text(IDC_STATION), "02:5A:45:50:00:01");
    EXPECT_EQ(p.Text(IDC_IP), "192.168.1.23");

    // And the plain link text when the adapter reports no link.
    p.SetLink(kLinkDown, -100);
    p.ui.run_for(1000);
    EXPECT_EQ(p.Text(IDC_LINK), " Disconnected ");
}

TEST(PageConnection, DnsServersAreJoinedBySpacedSemicolon)
{
    const struct {
        std::vector<std::string> servers;
        const char* shown;
    } rows[] = {{{"192.168.1.1", "10.0.0.53"}, "192.168.1.1 ; 10.0.0.53"}, {{"192.168.1.1"}, "192.168.1.1"}, {{}, ""}};
    for (const auto& row : rows) {
        machine::Scenario scenario = machine::default_scenario();
        scenario.network.dns_servers = row.servers;
        ConnectionPage p(scenario);
        ASSERT_NE(p.Open(), nullptr);
        EXPECT_EQ(p.Text(IDC_DNS), row.shown);
    }
}

TEST(PageConnection, RefreshesOnlyWhileActiveAndAtOnceOnReturn)
{
    ConnectionPage p;
    ASSERT_NE(p.Open(), nullptr);
    EXPECT_EQ(p.AccessPointQueries(), 1);
    p.ui.run_for(2000);
    EXPECT_EQ(p.AccessPointQueries(), 3);

    // The Version page asks nothing of the access point (the Statistics page does, every tick).
    p.ui.select_tab(p.sheet, 4);
    p.ui.machine().clear_request_log();
    p.adapter.answers[OID_PRT_CHANNEL] = Dword(11);
    p.ui.run_for(3000);
    EXPECT_EQ(p.AccessPointQueries(), 0);

    p.ui.select_tab(p.sheet, 0);
    EXPECT_EQ(p.AccessPointQueries(), 1);
    EXPECT_EQ(p.Text(IDC_CHANNEL), status_text::Channel(11).str());
    p.ui.run_for(1000);
    EXPECT_EQ(p.AccessPointQueries(), 2);
}

TEST(PageConnection, NotBoundShowsOnlyNotBound)
{
    machine::Scenario scenario = machine::default_scenario();
    scenario.protocol_driver.installed = false;
    ConnectionPage p(scenario);
    ASSERT_NE(p.Open(), nullptr);
    for (int id : kValueIds)
        EXPECT_EQ(p.Text(id), id == IDC_LINK ? " NOT BOUND " : "") << id;
    p.ui.run_for(2000);
    EXPECT_EQ(p.Text(IDC_LINK), " NOT BOUND ");
    EXPECT_EQ(p.Text(IDC_IP), "");
}

}  // namespace
