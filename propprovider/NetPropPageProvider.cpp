#include "propprovider/NetPropPageProvider.h"

#include "framework/ModuleState.h"
#include "framework/WinUser.h"
#include "propprovider/PropLanguages.h"
#include "propprovider/ZephraPropApp.h"

BOOL NetPropPageProvider(PSP_PROPSHEETPAGE_REQUEST request, LPFNADDPROPSHEETPAGE addPage, LPARAM lParam)
{
    AFX_MANAGE_STATE(PropModuleState());
    if (request == nullptr || request->PageRequested != SPPSR_ENUM_ADV_DEVICE_PROPERTIES)
        return TRUE;
    CZephraPropApp& app = ThePropApp();
    if (app.m_hInstance == nullptr || addPage == nullptr)
        return FALSE;
    app.ReadSystemLanguage();

    PROPSHEETPAGE psp;
    psp.dwSize = PROPSHEETPAGE_V2_SIZE;
    psp.dwFlags = PSP_DEFAULT;
    psp.hInstance = app.m_hInstance;
    psp.pszTemplate = MAKEINTRESOURCE(static_cast<UINT>(VersionTemplateFor(app.m_primaryLang)));
    psp.pfnDlgProc = StatusPageProc;
    psp.lParam = 0;
    HPROPSHEETPAGE page = CreatePropertySheetPage(&psp);
    if (page == nullptr)
        return FALSE;
    if (!addPage(page, lParam)) {
        DestroyPropertySheetPage(page);
        return FALSE;
    }
    return TRUE;
}
