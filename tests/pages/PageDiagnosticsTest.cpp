#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "pages/PageDiagnostics.h"
#include "shell/ShellFixture.h"

namespace {

using namespace shell_test;

constexpr int kStatisticsTab = 3;
constexpr int IDC_TX_MAX = 1334, IDC_RX_MAX = 1333, IDC_TX_RATE = 1397, IDC_RX_RATE = 1398, IDC_TX_UNIT = 1399,
              IDC_RX_UNIT = 1400, IDC_SIGNAL = 1338, IDC_SIGNAL_CHART = 1401, IDC_TX_CHART = 1402;
constexpr std::uint64_t kTwoTo32 = std::uint64_t{1} << 32;

// The default machine (joined to "Lakeside" at -55 dBm) with steady traffic and signal.
machine::Scenario SteadyTraffic(std::uint64_t txBytesPerS, std::uint64_t rxBytesPerS, std::uint64_t startTx = 0)
{
    machine::Scenario scenario = machine::default_scenario();
    scenario.wireless["noise_dbm"] = 0;
    scenario.wireless["traffic"] = {{"tx_bytes_per_s", txBytesPerS},
                                    {"rx_bytes_per_s", rxBytesPerS},
                                    {"variation_percent", 0},
                                    {"start_tx_bytes", startTx}};
    return scenario;
}

gdi::Raster TraceOf(const COScopeCtrl& chart)
{
    return *chart.m_dcTrace.GetRaster();
}

// The Statistics page of the program, on the simulated adapter of a scenario.
class StatisticsPage {
public:
    explicit StatisticsPage(const machine::Scenario& scenario) : ui(scenario) {}
    HWND Open()
    {
        if (!started)
            ui.start([this] { return fw::RunApplication(app); });
        started = true;
        ui.double_click_tray();
        sheet = ui.open_sheet();
        ui.select_tab(sheet, kStatisticsTab);
        return ui.active_page(sheet);
    }
    std::string Text(int id) { return ui.text(ui.control(ui.active_page(sheet), id)); }
    std::string Rates() { return Text(IDC_TX_RATE) + " " + Text(IDC_TX_UNIT) + " / " + Text(IDC_RX_RATE) + " " + Text(IDC_RX_UNIT); }
    CPageDiagnostics& Page() { return static_cast<CHideMainFrame*>(app.m_pMainWnd)->m_pSheet->m_pageDiagnostics; }
    void Tick() { ui.run_for(1000); }

    ProgramResourcesScope resources;
    CZephraApp app;
    ui_test::UiHarness ui;
    HWND sheet = nullptr;
    bool started = false;
};

TEST(PageDiagnostics, FirstTickAfterActivationShowsNoRateAndTheSecondTheDifference)
{
    StatisticsPage p(SteadyTraffic(187500, 125));
    const HWND page = p.Open();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(p.Rates(), "0.0 bps / 0.0 bps");
    EXPECT_EQ(p.Text(IDC_SIGNAL), "-200");
    EXPECT_EQ(p.Text(IDC_TX_MAX), "5M");
    EXPECT_EQ(p.Text(IDC_RX_MAX), "5M");

    p.Tick();
    EXPECT_EQ(p.Rates(), "0.0 bps / 0.0 bps");
    EXPECT_EQ(p.Text(IDC_SIGNAL), "-55");
    p.Tick();
    // 187500 bytes are 1.5 million bits; 125 bytes are 1000 bits.
    EXPECT_EQ(p.Rates(), "1.50 Mbps / 1.00 Kbps");
    p.Tick();
    EXPECT_EQ(p.Rates(), "1.50 Mbps / 1.00 Kbps");
    EXPECT_EQ(p.Page().m_nSignalLevel, 48000000);

    // Each chart lies over its placeholder.
    CRect chart, placeholder;
    p.Page().m_chartTx.GetWindowRect(chart);
    p.Page().GetDlgItem(IDC_TX_CHART)->GetWindowRect(placeholder);
    EXPECT_EQ(chart, placeholder);
    p.Page().m_chartSignal.GetWindowRect(chart);
    p.Page().GetDlgItem(IDC_SIGNAL_CHART)->GetWindowRect(placeholder);
    EXPECT_EQ(chart, placeholder);
}

TEST(PageDiagnostics, NoReceivedBytesAtThePreviousTickShowNoRateEitherWay)
{
    StatisticsPage p(SteadyTraffic(187500, 0));
    ASSERT_NE(p.Open(), nullptr);
    for (int tick = 0; tick < 3; ++tick) {
        p.Tick();
        EXPECT_EQ(p.Rates(), "0.0 bps / 0.0 bps") << tick;
        EXPECT_EQ(p.Page().m_nTxBps, 0);
    }
}

TEST(PageDiagnostics, WrappedCounterStillGivesTheTicksTraffic)
{
    // The transmit counter passes 2^32 five seconds after the station joined.
    StatisticsPage p(SteadyTraffic(187500, 6000, kTwoTo32 - 5 * 187500 - 1000));
    ASSERT_NE(p.Open(), nullptr);
    ASSERT_LT(p.ui.now(), 4000U);
    p.Tick();
    for (int tick = 0; tick < 8; ++tick) {
        p.Tick();
        ASSERT_EQ(p.Rates(), "1.50 Mbps / 48.00 Kbps") << tick;
    }
    EXPECT_LT(p.Page().m_prevCounters[1], 187500U * 10) << "the counter wrapped";
}

TEST(PageDiagnostics, FormatRateUsesTheLargestUnitReached)
{
    const struct {
        int bits;
        const char *number, *unit;
    } rows[] = {
        {1500000, "1.50", "Mbps"}, {999, "999.00", "bps"},      {1000, "1.00", "Kbps"},    {0, "0.00", "bps"},
        {1000000, "1.00", "Mbps"}, {999999, "1000.00", "Kbps"}, {-8, "-8.00", "bps"},
    };
    for (const auto& row : rows) {
        CString number, unit;
        CPageDiagnostics::FormatRate(row.bits, number, unit);
        EXPECT_EQ(number.str() + " " + unit.str(), std::string(row.number) + " " + row.unit) << row.bits;
    }
}

// A scripted adapter lets the signal reach values no radio world gives.
class ScriptedStatisticsPage : public ShellFixture {
public:
    explicit ScriptedStatisticsPage(const machine::Scenario& scenario = machine::default_scenario()) : ShellFixture(scenario)
    {
        adapter.answers[OID_802_11_BSSID] = {0x02, 0x4C, 0x4B, 0x00, 0x06, 0x01};
        SetCounters(1000, 1000);
    }
    void SetCounters(std::uint32_t tx, std::uint32_t rx)
    {
        adapter.answers[OID_PRT_STATISTICS] = zephra_test::TrafficCountersAnswer(tx, rx);
    }
    void Open()
    {
        Start();
        ui.double_click_tray();
        sheet = ui.open_sheet();
        ui.select_tab(sheet, kStatisticsTab);
    }
    std::string Text(int id) { return ui.text(ui.control(ui.active_page(sheet), id)); }
    CPageDiagnostics& Page() { return frame().m_pSheet->m_pageDiagnostics; }
    HWND sheet = nullptr;
};

TEST(PageDiagnostics, SignalBandsMeetAtTheirEdges)
{
    const struct {
        int dbm, level;
    } rows[] = {{-1, 56000000}, {-48, 56000000}, {-49, 48000000}, {-100, 18000000}, {-101, 12000000},
                {-134, 12000000}, {-135, 0}, {0, 0}};
    ScriptedStatisticsPage p;
    p.Open();
    for (const auto& row : rows) {
        p.SetLink(kLinkUp, row.dbm);
        // The tray's timer reads the signal; the page shows what it read.
        p.ui.run_for(2000);
        EXPECT_EQ(p.Text(IDC_SIGNAL), std::to_string(row.dbm));
        EXPECT_EQ(p.Page().m_nSignalLevel, row.level) << row.dbm;
        EXPECT_EQ(p.Page().m_chartSignal.m_dLastValue, row.level) << row.dbm;
        EXPECT_EQ(CPageDiagnostics::SignalToLevel(row.dbm), row.level);
    }
}

TEST(PageDiagnostics, WithoutAnAccessPointTheChartsScrollWithZeros)
{
    ScriptedStatisticsPage p;
    p.Open();
    for (std::uint32_t bytes = 2000; bytes <= 4000; bytes += 1000) {
        p.SetCounters(bytes * 100, bytes);
        p.ui.run_for(1000);
    }
    ASSERT_EQ(p.Text(IDC_TX_RATE), "800.00");
    ASSERT_EQ(p.Text(IDC_TX_UNIT), "Kbps");
    const gdi::Raster signal = TraceOf(p.Page().m_chartSignal);

    p.adapter.answers[OID_802_11_BSSID] = {0, 0, 0, 0, 0, 0};
    p.ui.run_for(1000);
    EXPECT_EQ(p.Text(IDC_TX_RATE), "0.0");
    EXPECT_EQ(p.Text(IDC_RX_RATE), "0.0");
    EXPECT_EQ(p.Text(IDC_TX_UNIT), "Kbps");
    EXPECT_EQ(p.Text(IDC_SIGNAL), "-200");
    EXPECT_EQ(p.Page().m_chartTx.m_dLastValue, 0.0);
    EXPECT_EQ(p.Page().m_chartSignal.m_dLastValue, 0.0);
    EXPECT_FALSE(TraceOf(p.Page().m_chartSignal) == signal);
}

TEST(PageDiagnostics, UnboundShowsNoRateAndNoChartMoves)
{
    machine::Scenario scenario = machine::default_scenario();
    scenario.protocol_driver.installed = false;
    ScriptedStatisticsPage p(scenario);
    p.Open();
    const gdi::Raster empty = TraceOf(p.Page().m_chartTx);
    p.Page().m_chartSignal.m_dLastValue = 7;  // a value no tick of an unbound page would plot
    p.ui.run_for(3000);
    EXPECT_EQ(p.Text(IDC_TX_RATE), "0.0");
    EXPECT_EQ(p.Text(IDC_RX_RATE), "0.0");
    EXPECT_EQ(p.Text(IDC_SIGNAL), "-200");
    EXPECT_TRUE(TraceOf(p.Page().m_chartTx) == empty);
    EXPECT_EQ(p.Page().m_chartSignal.m_dLastValue, 7.0);
    EXPECT_EQ(p.ui.machine().adapter_requests().size(), 0U);
}

TEST(PageDiagnostics, MaxBoxRescalesAndClearsOnlyItsOwnChart)
{
    StatisticsPage p(SteadyTraffic(187500, 125000));
    ASSERT_NE(p.Open(), nullptr);
    p.Tick();
    p.Tick();
    p.Tick();
    CPageDiagnostics& page = p.Page();
    const gdi::Raster rx = TraceOf(page.m_chartRx);
    ASSERT_FALSE(TraceOf(page.m_chartTx) == gdi::Raster(rx.Width(), rx.Height(), gdi::ToPixel(RGB(0, 0, 64))));

    p.ui.select(p.ui.control(p.ui.active_page(p.sheet), IDC_TX_MAX), 6);
    EXPECT_EQ(page.m_chartTx.m_dUpper, 50000000.0);
    EXPECT_EQ(page.m_strTxMax, "50M");
    EXPECT_TRUE(TraceOf(page.m_chartTx) == gdi::Raster(rx.Width(), rx.Height(), gdi::ToPixel(RGB(0, 0, 64))));
    EXPECT_EQ(page.m_chartRx.m_dUpper, 5000000.0);
    EXPECT_TRUE(TraceOf(page.m_chartRx) == rx);
    p.Tick();
    EXPECT_EQ(p.Text(IDC_TX_MAX), "50M");
    EXPECT_EQ(p.Rates(), "1.50 Mbps / 1.00 Mbps");

    // Leaving the page stops its ticks; coming back starts over at "5M".
    p.ui.select_tab(p.sheet, 0);
    p.ui.machine().clear_request_log();
    p.ui.run_for(3000);
    for (const machine::LoggedRequest& r : p.ui.machine().adapter_requests())
        EXPECT_NE(r.oid, OID_PRT_STATISTICS);
    p.ui.select_tab(p.sheet, kStatisticsTab);
    EXPECT_EQ(p.Text(IDC_TX_MAX), "5M");
    EXPECT_EQ(page.m_chartTx.m_dUpper, 5000000.0);
}

TEST(PageDiagnostics, ReopenedSheetGetsItsChartsBackEmpty)
{
    StatisticsPage p(SteadyTraffic(187500, 125));
    ASSERT_NE(p.Open(), nullptr);
    p.Tick();
    p.Tick();
    const CSize size = p.Page().m_chartTx.m_bmpTrace.GetSize();
    p.ui.close(p.sheet);
    ASSERT_EQ(p.ui.open_sheet(), nullptr);
    EXPECT_EQ(p.Page().m_chartTx.m_hWnd, nullptr);

    ASSERT_NE(p.Open(), nullptr);
    ASSERT_NE(p.Page().m_chartTx.m_hWnd, nullptr);
    EXPECT_EQ(p.Page().m_chartTx.m_bmpTrace.GetSize(), size);
    EXPECT_TRUE(TraceOf(p.Page().m_chartTx) == gdi::Raster(size.cx, size.cy, gdi::ToPixel(RGB(0, 0, 64))));
    p.Tick();
    p.Tick();
    EXPECT_EQ(p.Rates(), "1.50 Mbps / 1.00 Kbps");
}

// The title font is made once per process, so each language is tried in a fresh one.
TEST(PageDiagnostics, TitleIsBoldAndKoreanInTheKoreanFace)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const struct {
        std::uint16_t language;
        const char* face;
    } rows[] = {{0x0412, "굴림"}, {0x0409, ""}};
    for (const auto& row : rows) {
        EXPECT_EXIT(
            {
                machine::Scenario scenario = SteadyTraffic(1500, 6000);
                scenario.default_language = row.language;
                StatisticsPage p(scenario);
                p.Open();
                LOGFONT font;
                const bool made = GetObject(p.Page().m_fontTitle.m_hObject, sizeof font, &font) != 0;
                const bool shown = p.Page().m_stcTitle.GetFont() == &p.Page().m_fontTitle;
                // Straight out: the program still runs on its thread in this child.
                std::_Exit(made && shown && std::string(font.lfFaceName) == row.face && font.lfWeight == FW_BOLD &&
                                  font.lfHeight == 14 && font.lfWidth == 7
                              ? 0
                              : 1);
            },
            ::testing::ExitedWithCode(0), "")
            << row.language;
    }
}

}  // namespace
