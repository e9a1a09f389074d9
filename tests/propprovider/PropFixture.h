#pragma once
// The adapter's Properties window on the harness, with the page provider loaded from the
// build as the device manager loads it, over the scripted adapter of the program's tests.

#include <string>
#include <vector>

#include "apps/zephra-devmgr/DeviceManager.h"
#include "driver/Oids.h"
#include "shell/ShellFixture.h"

namespace prop_test {

constexpr int IDC_STATUS_BUTTON = 1399, IDC_COMPUTER = 1085, IDC_UTILITY = 1096, IDC_FIRMWARE = 1097,
              IDC_EEPROM = 1098, IDC_DRIVER_VERSION = 1084, IDC_WEB = 1127, IDC_DRIVER_DATE = 1091;

inline LPFNPROPPAGEPROVIDER Provider()
{
    static const devmgr::LoadedProvider loaded =
        devmgr::LoadProvider(ZEPHRA_PROVIDER_DIR, {"ZephraProp.dll", "NetPropPageProvider"});
    return loaded.entry;
}

inline machine::Scenario WithLanguage(std::uint16_t language)
{
    machine::Scenario scenario = machine::default_scenario();
    scenario.default_language = language;
    return scenario;
}

class PropFixture : public shell_test::ShellFixture {
public:
    explicit PropFixture(const machine::Scenario& scenario = machine::default_scenario()) : ShellFixture(scenario)
    {
        adapter.answers[OID_PRT_FIRMWARE_VERSION] = {1, 2, 3, 0};
        adapter.answers[OID_PRT_DRIVER_VERSION] = {4, 5, 6, 7};
        adapter.answers[OID_PRT_EEPROM_VERSION] = {8, 9, 0, 0};
    }

    // Opens the Properties window: General, then the provider's pages; returns the sheet.
    HWND OpenDeviceSheet()
    {
        ui.start([this] {
            devmgr::ProviderPages added = devmgr::RequestAdvancedPages(Provider());
            device.description = "KX710 Wireless LAN Mini-PCI Adapter";
            return static_cast<int>(devmgr::ShowDeviceProperties(device, added.pages));
        });
        sheet = ui.open_sheet();
        return sheet;
    }
    HWND ShowVersionPage()
    {
        ui.select_tab(sheet, 1);
        return ui.active_page(sheet);
    }
    std::string Text(HWND page, int id) { return ui.text(ui.control(page, id)); }
    int Requests(std::uint32_t code, std::uint32_t oid = 0)
    {
        int n = 0;
        for (const machine::LoggedRequest& r : ui.machine().request_log())
            n += r.code == code && (oid == 0 || r.oid == oid) ? 1 : 0;
        return n;
    }

    devmgr::DeviceProperties device;
    HWND sheet = nullptr;
};

}  // namespace prop_test
