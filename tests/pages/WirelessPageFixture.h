#pragma once
// The program on the harness over the default machine's simulated adapter, with the
// Wireless Network page open.

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "UiHarness.h"
#include "shell/ShellFixture.h"
#include "driver/Oids.h"
#include "driver/PrtIoctl.h"
#include "machine/Machine.h"
#include "resources/ResourceIds.h"

namespace wireless_test {

constexpr int IDC_REFRESH = 1001, IDC_CONNECT_WEP = 1003, IDC_LIST = 1008, IDC_SSID = 1101, IDC_CONNECT = 1314,
              IDC_DIRECT = 1336, IDC_WEP_AUTO = 1337, IDC_KEY = 1338, IDC_KEY_LENGTH = 1340, IDC_KEY_FORMAT = 1341,
              IDC_MODE = 1342, IDC_KEY_INDEX = 1343, IDC_TOTAL = 1396;
constexpr int kWirelessTab = 1;
// The adapter scans once at start; its list is ready this long after.
constexpr std::uint64_t kFirstScanMs = 2500;

inline std::uint32_t DwordAt(const std::vector<std::uint8_t>& data, std::size_t at)
{
    std::uint32_t value = 0;
    if (data.size() >= at + 4)
        std::memcpy(&value, data.data() + at, 4);
    return value;
}

class WirelessPage {
public:
    explicit WirelessPage(const machine::Scenario& scenario = machine::default_scenario()) : ui(scenario) {}
    ~WirelessPage()
    {
        if (app.m_hLangDll != nullptr)
            FreeLibrary(app.m_hLangDll);
    }

    void Open()
    {
        ui.start([this] { return fw::RunApplication(app); });
        ui.run_for(kFirstScanMs);
        ui.double_click_tray();
        sheet = ui.open_sheet();
        ui.select_tab(sheet, kWirelessTab);
        page = ui.active_page(sheet);
    }
    CPageWireless& Page() { return static_cast<CPropSheet*>(CWnd::FromHandle(sheet))->m_pageWireless; }
    HWND C(int id) { return ui.control(page, id); }
    std::string Text(int id) { return ui.text(C(id)); }
    bool Enabled(int id) { return ui.enabled(C(id)); }
    int Selection(int id) { return ui.selection(C(id)); }
    std::vector<ui_test::ListRowView> Rows() { return ui.rows(C(IDC_LIST)); }
    std::vector<std::string> Names()
    {
        std::vector<std::string> names;
        for (const auto& row : Rows())
            names.push_back(row.texts.empty() ? "" : row.texts[0]);
        return names;
    }
    int RowOf(const std::string& ssid)
    {
        const auto names = Names();
        const auto it = std::find(names.begin(), names.end(), ssid);
        return it == names.end() ? -1 : static_cast<int>(it - names.begin());
    }
    void ClickRow(const std::string& ssid) { ui.click_row(C(IDC_LIST), RowOf(ssid)); }
    // The networks whose row shows the ring of the associated network.
    std::vector<std::string> Ringed()
    {
        std::vector<std::string> ringed;
        for (const auto& row : Rows())
            if (row.image_resource_id == zephra::res::IDI_AP_CURRENT || row.image_resource_id == zephra::res::IDI_STATION_CURRENT)
                ringed.push_back(row.texts[0]);
        return ringed;
    }
    // The identifiers of the sets that reached the adapter since the log was cleared.
    std::vector<machine::LoggedRequest> Sets()
    {
        std::vector<machine::LoggedRequest> sets;
        for (const auto& r : ui.machine().adapter_requests())
            if (r.code == IOCTL_PRT_SET_OID)
                sets.push_back(r);
        return sets;
    }
    std::vector<std::uint32_t> SetOids()
    {
        std::vector<std::uint32_t> oids;
        for (const auto& r : Sets())
            oids.push_back(r.oid);
        return oids;
    }
    int Queries(std::uint32_t oid)
    {
        int n = 0;
        for (const auto& r : ui.machine().adapter_requests())
            n += r.code == IOCTL_PRT_QUERY_OID && r.oid == oid ? 1 : 0;
        return n;
    }
    const machine::LoggedRequest* LastSet(std::uint32_t oid)
    {
        static machine::LoggedRequest found;
        const auto sets = Sets();
        for (auto it = sets.rbegin(); it != sets.rend(); ++it)
            if (it->oid == oid) {
                found = *it;
                return &found;
            }
        return nullptr;
    }
    std::string SsidSet()
    {
        const machine::LoggedRequest* r = LastSet(OID_802_11_SSID);
        if (r == nullptr)
            return "<none>";
        const std::uint32_t length = DwordAt(r->data, 0);
        return std::string(r->data.begin() + 4, r->data.begin() + 4 + std::min<std::uint32_t>(length, 32));
    }

    shell_test::ProgramResourcesScope resources;
    CZephraApp app;
    ui_test::UiHarness ui;
    HWND sheet = nullptr;
    HWND page = nullptr;
};

// The order a connect reaches the adapter in: WEP status, the key (manual keys only),
// the mode, the SSID last, then the scan that refreshes the list.
inline const std::vector<std::uint32_t> kPlainConnect = {OID_802_11_WEP_STATUS, OID_802_11_INFRASTRUCTURE_MODE,
                                                         OID_802_11_SSID, OID_802_11_BSSID_LIST_SCAN};
inline const std::vector<std::uint32_t> kKeyedConnect = {OID_802_11_WEP_STATUS, OID_802_11_ADD_WEP,
                                                         OID_802_11_INFRASTRUCTURE_MODE, OID_802_11_SSID,
                                                         OID_802_11_BSSID_LIST_SCAN};

}  // namespace wireless_test
