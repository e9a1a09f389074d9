// The adapter's scan answer as the Wireless Network page reads it: the record walk, the
// repeat removal and the list's rows, on a bound session over a scripted adapter.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "driver/Oids.h"
#include "driver/PrtUtil.h"
#include "framework/WindowStyles.h"
#include "pages/PageWireless.h"
#include "support/MachineFixture.h"
#include "support/ScriptedAdapter.h"

namespace {

constexpr int kListId = 1008;

struct BoundPage {
    BoundPage()
    {
        fixture.machine.set_adapter(std::make_unique<zephra_test::ScriptedAdapter>(adapter));
        prt.OpenSession();
        page.m_pPrtUtil = &prt;
        page.m_listNetworks.Create(WS_POPUP | LVS_REPORT, CRect(0, 0, 500, 200), nullptr, kListId);
        page.SetupListColumns();
    }

    zephra_test::MachineFixture fixture;
    zephra_test::ScriptedAdapter::Shared adapter;
    CPrtUtil prt;
    CPageWireless page;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static BoundPage* bound = new BoundPage;  // one session for the run, as the program keeps it
    // The first six bytes are the joined access point, the rest the scan answer.
    const std::size_t bssid = size < 6 ? size : 6;
    bound->adapter.answers[OID_802_11_BSSID] = std::vector<std::uint8_t>(data, data + bssid);
    bound->adapter.answers[OID_802_11_BSSID_LIST] = std::vector<std::uint8_t>(data + bssid, data + size);
    bound->page.ReadScanResults();
    for (int filter : {MODE_AUTOMATIC, MODE_INFRASTRUCTURE, MODE_AD_HOC})
        bound->page.FillNetworkList(filter);
    bound->fixture.machine.clear_request_log();
    return 0;
}
