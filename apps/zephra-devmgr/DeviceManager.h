#pragma once
// What the device manager does for the wireless adapter's "Properties" window: finds the
// adapter's page provider as the device installer names it, loads it, asks it for its
// pages and shows them after a General page of its own.

#include <optional>
#include <string>
#include <vector>

#include "framework/PropertySheetPages.h"
#include "platform/PropertyPageProvider.h"

namespace devmgr {

struct DeviceProperties {
    std::string description;
    std::string manufacturer;
    std::string location;
    std::string status;
};

// The library and export an "EnumPropPages32" value names: "ZephraProp.dll,NetPropPageProvider".
struct ProviderName {
    std::string library;
    std::string export_name;
};
std::optional<ProviderName> ParseEnumPropPages(const std::string& value);
// The file a library name of the device installer stands for here: "ZephraProp.dll" is
// "libZephraProp.so".
std::string SharedObjectFileFor(const std::string& library);

struct LoadedProvider {
    LPFNPROPPAGEPROVIDER entry = nullptr;
    std::string error;  // why there is no entry
};
// Loads the library from `directory` and finds its export. The library stays loaded for the
// rest of the process, as the sheet's pages run its code.
LoadedProvider LoadProvider(const std::string& directory, const ProviderName& name);

struct ProviderPages {
    std::vector<HPROPSHEETPAGE> pages;
    std::string error;  // set when the provider refused
};
// Asks the provider for the advanced properties' pages of the device.
ProviderPages RequestAdvancedPages(LPFNPROPPAGEPROVIDER provider, HDEVINFO set = nullptr,
                                   PSP_DEVINFO_DATA device = nullptr);

// Runs the "Properties" window modally: the General page, then `pages`. 1 for OK, 0 for
// Cancel, -1 when it could not run.
LONG_PTR ShowDeviceProperties(const DeviceProperties& device, const std::vector<HPROPSHEETPAGE>& pages);

// The General page's template and its control ids, in the device manager's own resources.
constexpr int IDD_GENERAL = 1;
constexpr int IDC_GENERAL_DESCRIPTION = 100;
constexpr int IDC_GENERAL_MANUFACTURER = 101;
constexpr int IDC_GENERAL_LOCATION = 102;
constexpr int IDC_GENERAL_STATUS = 103;

}  // namespace devmgr
