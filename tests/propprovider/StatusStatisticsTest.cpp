#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "PropFixture.h"
#include "driver/PrtIoctl.h"
#include "framework/Window.h"
#include "pages/PageDiagnostics.h"

namespace {

using namespace prop_test;

constexpr int IDC_TX_MAX = 1401, IDC_RX_MAX = 1400, IDC_TX_RATE = 1402, IDC_RX_RATE = 1403, IDC_TX_UNIT = 1404,
              IDC_RX_UNIT = 1405, IDC_SIGNAL = 1406;
constexpr int kStatisticsTab = 1;

// The status sheet's Statistics page, opened from the library's version page.
class StatusStatistics : public PropFixture {
public:
    StatusStatistics()
    {
        // No access point: the library's page reads rates and signal all the same.
        adapter.answers[OID_802_11_BSSID] = {0, 0, 0, 0, 0, 0};
        SetCounters(1000, 1000);
    }
    void SetCounters(std::uint32_t tx, std::uint32_t rx)
    {
        adapter.answers[OID_PRT_STATISTICS] = zephra_test::TrafficCountersAnswer(tx, rx);
    }
    HWND Open()
    {
        OpenDeviceSheet();
        HWND version = ShowVersionPage();
        ui.click(ui.control(version, IDC_STATUS_BUTTON));
        status = ui.open_sheet();
        ui.select_tab(status, kStatisticsTab);
        return page = ui.active_page(status);
    }
    // The page object lives in the library; its layout is the program's page's.
    const CPageDiagnostics& Page() const { return *static_cast<const CPageDiagnostics*>(fw::FromHandle(page)->object); }
    int RssiQueries() { return Requests(IOCTL_PRT_QUERY_OID, OID_802_11_RSSI); }
    int BssidQueries() { return Requests(IOCTL_PRT_QUERY_OID, OID_802_11_BSSID); }

    HWND status = nullptr;
    HWND page = nullptr;
};

TEST(StatusStatistics, UsesItsOwnControlsAndCaptionAndReadsTheSignalItselfWithoutAnAccessPointTest)
{
    StatusStatistics p;
    ASSERT_NE(p.Open(), nullptr);
    ASSERT_NE(p.status, p.sheet);
    EXPECT_EQ(p.ui.text(p.page), "Statistics");
    EXPECT_EQ(p.Text(p.page, IDC_TX_MAX), "5M");
    EXPECT_EQ(p.Text(p.page, IDC_RX_MAX), "5M");
    EXPECT_EQ(p.ui.items(p.ui.control(p.page, IDC_TX_MAX)),
              (std::vector<std::string>{"512K", "1M", "2M", "5M", "10M", "20M", "50M"}));
    EXPECT_EQ(p.Text(p.page, IDC_SIGNAL), "-200");
    EXPECT_EQ(p.Page().m_chartSignal.m_strXLabel.str(), "SignalStrength");

    const int rssi = p.RssiQueries();
    const int bssid = p.BssidQueries();
    p.SetLink(shell_test::kLinkUp, -61);
    p.SetCounters(1000 + 187500, 1000 + 125);
    p.ui.run_for(1000);
    EXPECT_EQ(p.Text(p.page, IDC_SIGNAL), "-61");
    p.SetCounters(1000 + 2 * 187500, 1000 + 2 * 125);
    p.ui.run_for(1000);
    EXPECT_EQ(p.Text(p.page, IDC_TX_RATE) + " " + p.Text(p.page, IDC_TX_UNIT), "1.50 Mbps");
    EXPECT_EQ(p.Text(p.page, IDC_RX_RATE) + " " + p.Text(p.page, IDC_RX_UNIT), "1.00 Kbps");
    p.ui.run_for(3000);
    // One signal query per tick of its own, and no access-point query at all.
    EXPECT_EQ(p.RssiQueries(), rssi + 5);
    EXPECT_EQ(p.BssidQueries(), bssid);
    EXPECT_EQ(p.Page().m_nSignalLevel, 42000000);
    p.ui.close(p.status);
}

TEST(StatusStatistics, TheMaxListsRescaleTheirOwnCharts)
{
    StatusStatistics p;
    ASSERT_NE(p.Open(), nullptr);
    p.ui.select(p.ui.control(p.page, IDC_TX_MAX), 0);
    p.ui.select(p.ui.control(p.page, IDC_RX_MAX), 6);
    EXPECT_EQ(p.Page().m_chartTx.m_dUpper, 512000);
    EXPECT_EQ(p.Page().m_chartRx.m_dUpper, 50000000);
    // The ticks go on after a change of scale.
    const int rssi = p.RssiQueries();
    p.ui.run_for(2000);
    EXPECT_EQ(p.RssiQueries(), rssi + 2);
    p.ui.close(p.status);
}

}  // namespace
