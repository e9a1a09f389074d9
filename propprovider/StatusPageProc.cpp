// The version page the library adds to the adapter's property sheet: its texts refresh once
// a second while the driver is bound, and its button opens the status sheet.
#include "framework/ModuleState.h"
#include "framework/WinUser.h"
#include "pages/DriverFileDate.h"
#include "platform/Kernel.h"
#include "propprovider/NetPropPageProvider.h"
#include "propprovider/PropLanguages.h"
#include "propprovider/ZephraPropApp.h"

namespace {

constexpr UINT_PTR kRefreshTimerId = 1;
constexpr UINT kRefreshPeriodMs = 1000;

constexpr int IDC_STATUS_BUTTON = 1399;
constexpr int IDC_COMPUTER = 1085;
constexpr int IDC_UTILITY_VERSION = 1096;
constexpr int IDC_FIRMWARE = 1097;
constexpr int IDC_EEPROM = 1098;
constexpr int IDC_DRIVER_VERSION = 1084;
constexpr int IDC_WEB_ADDRESS = 1127;
constexpr int IDC_DRIVER_DATE = 1091;

constexpr char kUtilityVersion[] = "1.10";
constexpr char kVendorWebAddress[] = "http://www.norvel.example/";
constexpr DWORD kComputerNameBuffer = 256;
constexpr int kAdapterPresent = 1;

void FillVersionTexts(HWND page)
{
    CPrtUtil& prt = ThePropApp().m_prtUtil;
    prt.QueryFirmwareVersion();
    SetDlgItemText(page, IDC_FIRMWARE, prt.m_strFirmwareVersion);
    prt.QueryDriverVersion();
    SetDlgItemText(page, IDC_DRIVER_VERSION, prt.m_strDriverVersion);
    prt.QueryEepromVersion();
    SetDlgItemText(page, IDC_EEPROM, prt.m_strEepromVersion);

    char name[kComputerNameBuffer] = {};
    DWORD size = kComputerNameBuffer;
    GetComputerNameA(name, &size);
    CString computer;
    computer.Format("%s", name);
    SetDlgItemText(page, IDC_COMPUTER, computer);
    SetDlgItemText(page, IDC_UTILITY_VERSION, kUtilityVersion);
    SetDlgItemText(page, IDC_WEB_ADDRESS, kVendorWebAddress);
    // The file's own date on every system: there is no fixed release date here.
    SetDlgItemText(page, IDC_DRIVER_DATE, DriverFileDate());
}

// Closes the session the page opened; the page does not open it again.
void LeavePage(HWND page)
{
    CPrtUtil& prt = ThePropApp().m_prtUtil;
    KillTimer(page, kRefreshTimerId);
    if (prt.m_bBound) {
        prt.CloseDriverXp();
        prt.m_bBound = 0;
    }
}

void OnInitDialog()
{
    CZephraPropApp& app = ThePropApp();
    app.ReadSystemLanguage();
    app.LoadLanguageLibrary(PropLanguageIndexOf(app.m_primaryLang));
    app.m_prtUtil.OpenSession();
    app.m_prtUtil.QueryIpConfig();
    app.m_pPrtUtil = &app.m_prtUtil;
}

void OnNotify(HWND page, UINT code)
{
    switch (code) {
    case PSN_SETACTIVE:
        if (ThePropApp().m_prtUtil.m_bBound) {
            FillVersionTexts(page);
            SetTimer(page, kRefreshTimerId, kRefreshPeriodMs, nullptr);
        }
        break;
    case PSN_KILLACTIVE: LeavePage(page); break;
    case PSN_RESET:
        LeavePage(page);
        ThePropApp().FreeLanguageLibrary();
        break;
    default: break;
    }
}

void OnTimer(HWND page)
{
    CPrtUtil& prt = ThePropApp().m_prtUtil;
    KillTimer(page, kRefreshTimerId);
    const bool present = prt.FindAdapter() == kAdapterPresent;
    if (present && prt.m_bBound)
        FillVersionTexts(page);
    else if (!present && prt.m_bBound)
        prt.m_bBound = 0;
    SetTimer(page, kRefreshTimerId, kRefreshPeriodMs, nullptr);
}

}  // namespace

LRESULT StatusPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    AFX_MANAGE_STATE(PropModuleState());
    switch (message) {
    case WM_INITDIALOG: OnInitDialog(); return TRUE;
    case WM_NOTIFY: OnNotify(page, reinterpret_cast<const NMHDR*>(lParam)->code); return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDC_STATUS_BUTTON && HIWORD(wParam) == BN_CLICKED)
            ThePropApp().RunStatusSheet();
        return TRUE;
    case WM_TIMER: OnTimer(page); return TRUE;
    default: return FALSE;
    }
}
