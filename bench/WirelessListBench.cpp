// The Wireless Network page's cost of reading a full scan answer (28 networks) and filling
// its list: the record walk, the repeat removal, and one row per network with its icon,
// for which the adapter is asked for the current access point. The page's 300 ms pause
// runs on the machine's virtual clock, so it costs nothing here.
#include <benchmark/benchmark.h>

#include <string>

#include "driver/Oids.h"
#include "driver/PrtUtil.h"
#include "framework/WindowStyles.h"
#include "pages/PageScanListBytes.h"
#include "pages/PageWireless.h"
#include "support/MachineFixture.h"
#include "support/ScriptedAdapter.h"

namespace {

constexpr int kNetworks = 28;
constexpr int kListId = 1008;

void ReadScanAndFillList(benchmark::State& state)
{
    zephra_test::MachineFixture fixture;
    zephra_test::ScriptedAdapter::Shared adapter;
    std::vector<scan_test::Record> records;
    for (int i = 0; i < kNetworks; ++i)
        records.push_back({scan_test::Mac(static_cast<std::uint8_t>(i)), "network-" + std::to_string(i), static_cast<std::uint32_t>(i % 3 == 0 ? 0 : 1), 0, -60, 2437000});
    adapter.answers[OID_802_11_BSSID_LIST] = scan_test::ScanAnswer(records);
    adapter.answers[OID_802_11_BSSID] = {0x02, 0x4C, 0x4B, 0x00, 0x06, 0x05};
    fixture.machine.set_adapter(std::make_unique<zephra_test::ScriptedAdapter>(adapter));
    CPrtUtil prt;
    prt.OpenSession();

    CPageWireless page;
    page.m_pPrtUtil = &prt;
    page.m_listNetworks.Create(WS_POPUP | LVS_REPORT, CRect(0, 0, 500, 200), nullptr, kListId);
    page.SetupListColumns();
    for (auto _ : state) {
        page.ReadScanResults();
        page.FillNetworkList(MODE_AUTOMATIC);
        benchmark::DoNotOptimize(page.m_listNetworks.GetItemCount());
    }
    if (page.m_listNetworks.GetItemCount() != kNetworks)
        state.SkipWithError("the list does not show every network");
    fixture.machine.clear_request_log();
    prt.CloseSession();
}
BENCHMARK(ReadScanAndFillList)->Unit(benchmark::kMicrosecond);

}  // namespace
