#pragma once
// The device installer's convention for libraries that add pages to a device's property
// sheet: it calls the library's provider export with a request and a function that takes
// each page the provider creates.

#include "platform/SetupApi.h"
#include "platform/WinTypes.h"

struct HPROPSHEETPAGE__;

using SI_PROPSHEETPAGE_REQUEST_KIND = DWORD;
constexpr DWORD SPPSR_SELECT_DEVICE_RESOURCES = 1;
constexpr DWORD SPPSR_ENUM_BASIC_DEVICE_PROPERTIES = 2;
constexpr DWORD SPPSR_ENUM_ADV_DEVICE_PROPERTIES = 3;

struct SP_PROPSHEETPAGE_REQUEST {
    DWORD cbSize = sizeof(SP_PROPSHEETPAGE_REQUEST);
    DWORD PageRequested = 0;
    HDEVINFO DeviceInfoSet = nullptr;
    PSP_DEVINFO_DATA DeviceInfoData = nullptr;
};
using PSP_PROPSHEETPAGE_REQUEST = SP_PROPSHEETPAGE_REQUEST*;

// Takes one page; FALSE when the sheet refuses it (the provider then destroys the page).
using LPFNADDPROPSHEETPAGE = BOOL (*)(HPROPSHEETPAGE__* page, LPARAM lParam);
// The provider export's form.
using LPFNPROPPAGEPROVIDER = BOOL (*)(PSP_PROPSHEETPAGE_REQUEST request, LPFNADDPROPSHEETPAGE addPage, LPARAM lParam);
