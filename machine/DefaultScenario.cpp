#include "machine/Scenario.h"

#include "machine/adapter/SimulatedAdapterFactory.h"

namespace machine {

namespace {
constexpr const char* kNetClass = "{4D36E972-E325-11CE-BFC1-08002BE10318}";
}

std::optional<OsVersion> os_version_named(const std::string& name)
{
    if (name == "98")
        return OsVersion{1, 4, 10, 1998, ""};
    if (name == "me")
        return OsVersion{1, 4, 90, 3000, ""};
    if (name == "2000")
        return OsVersion{2, 5, 0, 2195, "Service Pack 4"};
    if (name == "xp")
        return OsVersion{2, 5, 1, 2600, "Service Pack 2"};
    if (name == "nt4")
        return OsVersion{2, 4, 0, 1381, "Service Pack 6"};
    if (name == "nt5.2")
        return OsVersion{2, 5, 2, 3790, ""};
    return std::nullopt;
}

Scenario default_scenario()
{
    Scenario s;
    s.class_devices = {
        {"Fast Ethernet Controller", "ETHFAST", std::string(kNetClass) + "\\0000",
         "PCI\\VEN_FFF0&DEV_0100&SUBSYS_00000000&REV_08\\3&61AAA01&0&40", true, false, "", {}},
        // The driver's own description in its key is the one the utility looks for; its
        // parameters match the station of the radio world.
        {"KX710 Wireless LAN Mini-PCI Adapter", "QTND23", std::string(kNetClass) + "\\0001",
         "PCI\\VEN_17FE&DEV_2220&SUBSYS_00000000&REV_01\\4&2C18E1&0&10F0", true, true,
         "Norvel WLAN 802.11B KX710",
         // EnumPropPages32 names the device manager's page provider, as the adapter's installation wrote it.
         {{"AuthenticationType", "0"},
          {"PSMode", "0"},
          {"ShortPreamble", "0"},
          {"TransmitRate", "15"},
          {"EnumPropPages32", "ZephraProp.dll,NetPropPageProvider"}}},
    };
    s.ip_adapters = {
        {"{6B3E0D5A-1C2F-4A8B-9D71-2E5F0A3C4B18}", "Fast Ethernet Controller - Packet Scheduler Miniport",
         {{"0.0.0.0", "0.0.0.0"}}, {"0.0.0.0"}, false},
        {"{A41F2C7E-93B5-4D06-8E1A-57C9D3B20F64}", "KX710 Wireless LAN Mini-PCI Adapter - Packet Scheduler Miniport",
         {{"192.168.1.23", "255.255.255.0"}}, {"192.168.1.1"}, true},
    };
    s.network = {"zephra-pc", "", {"192.168.1.1", "10.0.0.53"}};
    s.wireless = default_wireless_scenario();
    // The browser that ".htm" files open with: the desktop's opener.
    s.registry = R"({
      "HKEY_CLASSES_ROOT\\.htm": {"": "htmlfile"},
      "HKEY_CLASSES_ROOT\\htmlfile\\shell\\open\\command": {"": "xdg-open \"%1\""}
    })"_json;
    return s;
}

Scenario with_recording_shell(Scenario scenario)
{
    scenario.shell.mode = "record";
    return scenario;
}

}  // namespace machine
