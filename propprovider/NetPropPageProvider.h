#pragma once
// The library's two entries for the device installer: the provider export that adds the
// version page to the adapter's property sheet, and that page's dialog procedure.

#include "framework/PropertySheetPages.h"
#include "platform/PropertyPageProvider.h"

extern "C" __attribute__((visibility("default"))) BOOL NetPropPageProvider(PSP_PROPSHEETPAGE_REQUEST request,
                                                                          LPFNADDPROPSHEETPAGE addPage, LPARAM lParam);

LRESULT StatusPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

// The name the device installer looks the export up by.
inline constexpr char kProviderExportName[] = "NetPropPageProvider";
