#include "apps/zephra-devmgr/DeviceManager.h"

#include <dlfcn.h>

#include <filesystem>

#include "apps/zephra-devmgr/DevMgrResources.h"
#include "framework/WinUser.h"

namespace devmgr {

namespace {

LRESULT GeneralPageProc(HWND page, UINT message, WPARAM, LPARAM lParam)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    const auto* record = reinterpret_cast<const PROPSHEETPAGE*>(lParam);
    const auto* device = reinterpret_cast<const DeviceProperties*>(record->lParam);
    SetDlgItemText(page, IDC_GENERAL_DESCRIPTION, device->description.c_str());
    SetDlgItemText(page, IDC_GENERAL_MANUFACTURER, device->manufacturer.c_str());
    SetDlgItemText(page, IDC_GENERAL_LOCATION, device->location.c_str());
    SetDlgItemText(page, IDC_GENERAL_STATUS, device->status.c_str());
    return TRUE;
}

BOOL CollectPage(HPROPSHEETPAGE page, LPARAM lParam)
{
    reinterpret_cast<std::vector<HPROPSHEETPAGE>*>(lParam)->push_back(page);
    return TRUE;
}

}  // namespace

std::optional<ProviderName> ParseEnumPropPages(const std::string& value)
{
    const auto comma = value.find(',');
    if (comma == std::string::npos || comma == 0 || comma + 1 == value.size())
        return std::nullopt;
    return ProviderName{value.substr(0, comma), value.substr(comma + 1)};
}

std::string SharedObjectFileFor(const std::string& library)
{
    return "lib" + std::filesystem::path(library).stem().string() + ".so";
}

LoadedProvider LoadProvider(const std::string& directory, const ProviderName& name)
{
    const std::string path = (std::filesystem::path(directory) / SharedObjectFileFor(name.library)).string();
    void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* why = dlerror();
        return {nullptr, "cannot load the page provider " + name.library + " (" + path + "): " + (why ? why : "")};
    }
    void* entry = dlsym(library, name.export_name.c_str());
    if (entry == nullptr)
        return {nullptr, "the page provider " + name.library + " has no export " + name.export_name};
    return {reinterpret_cast<LPFNPROPPAGEPROVIDER>(entry), {}};
}

ProviderPages RequestAdvancedPages(LPFNPROPPAGEPROVIDER provider, HDEVINFO set, PSP_DEVINFO_DATA device)
{
    ProviderPages result;
    SP_PROPSHEETPAGE_REQUEST request;
    request.PageRequested = SPPSR_ENUM_ADV_DEVICE_PROPERTIES;
    request.DeviceInfoSet = set;
    request.DeviceInfoData = device;
    if (!provider(&request, CollectPage, reinterpret_cast<LPARAM>(&result.pages)))
        result.error = "the page provider refused to add its pages";
    return result;
}

LONG_PTR ShowDeviceProperties(const DeviceProperties& device, const std::vector<HPROPSHEETPAGE>& pages)
{
    PROPSHEETPAGE general;
    general.dwSize = PROPSHEETPAGE_V2_SIZE;
    general.hInstance = fw::HandleOfModule(&zephra::DevMgrResources());
    general.pszTemplate = MAKEINTRESOURCE(static_cast<UINT>(IDD_GENERAL));
    general.pfnDlgProc = GeneralPageProc;
    general.lParam = reinterpret_cast<LPARAM>(&device);
    std::vector<HPROPSHEETPAGE> all{CreatePropertySheetPage(&general)};
    all.insert(all.end(), pages.begin(), pages.end());

    const std::string caption = device.description + " Properties";
    PROPSHEETHEADER header;
    header.pszCaption = caption.c_str();
    header.nPages = static_cast<UINT>(all.size());
    header.phpage = all.data();
    const LONG_PTR result = PropertySheet(&header);
    for (HPROPSHEETPAGE page : all)
        DestroyPropertySheetPage(page);
    return result;
}

}  // namespace devmgr
