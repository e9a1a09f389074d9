#include "shell/HideMainFrame.h"

#include <cstdio>

#include "framework/CWinApp.h"
#include "framework/WinUser.h"
#include "platform/Time.h"
#include "resources/ResourceIds.h"
#include "shell/PropSheet.h"
#include "shell/Zephra.h"

namespace {
constexpr UINT_PTR kPollTimerId = 1;
constexpr UINT kPollPeriodMs = 1000;
constexpr DWORD kDelayedShowMs = 1000;

constexpr char kDisconnected[] = " Disconnected ";
constexpr char kNotBound[] = " Not Bound ";

struct SignalBand {
    LONG lowerExclusive;
    LONG upperInclusive;
    int iconId;
};
// Strongest first, as the bands are tested.
constexpr SignalBand kSignalBands[] = {
    {-50, -10, 255}, {-65, -50, 254}, {-80, -65, 253}, {-100, -80, 252}, {-200, -100, 251},
};
}  // namespace

int SignalIconId(LONG rssiDbm)
{
    for (const SignalBand& band : kSignalBands)
        if (rssiDbm > band.lowerExclusive && rssiDbm <= band.upperInclusive)
            return band.iconId;
    return zephra::res::IDI_SIGNAL_0;
}

IMPLEMENT_DYNCREATE(CHideMainFrame, CFrameWnd)

BEGIN_MESSAGE_MAP(CHideMainFrame, CFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(zephra::res::ID_TRAY_SHOW, OnShow)
    ON_UPDATE_COMMAND_UI(zephra::res::ID_TRAY_SHOW, OnUpdateShow)
    ON_COMMAND(zephra::res::ID_TRAY_HIDE, OnHide)
    ON_UPDATE_COMMAND_UI(zephra::res::ID_TRAY_HIDE, OnUpdateHide)
    ON_COMMAND(zephra::res::ID_TRAY_EXIT, OnExit)
    ON_WM_CLOSE()
    ON_WM_TIMER()
    ON_MESSAGE(WM_TRAY_NOTIFY, OnTrayNotify)
    ON_MESSAGE(WM_DELAYED_SHOW, OnDelayedShow)
END_MESSAGE_MAP()

CHideMainFrame::CHideMainFrame()
{
    m_bAutoDelete = FALSE;
    Create(nullptr, kZephraTitle, WS_OVERLAPPED, rectDefault, nullptr, nullptr, 0, nullptr);
}

CHideMainFrame::~CHideMainFrame()
{
    delete m_pSheet;
    delete m_pTrayMenu;
}

int CHideMainFrame::OnCreate(LPCREATESTRUCT cs)
{
    if (CFrameWnd::OnCreate(cs) == -1)
        return -1;

    m_nid.cbSize = NOTIFYICONDATA_V1_SIZE;
    m_nid.hWnd = m_hWnd;
    m_nid.uID = kTrayIconId;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = WM_TRAY_NOTIFY;
    m_nid.hIcon = AfxGetApp()->LoadIcon(zephra::res::IDI_SIGNAL_0);
    std::snprintf(m_nid.szTip, sizeof m_nid.szTip, "%s", kZephraTitle);
    Shell_NotifyIcon(NIM_ADD, &m_nid);

    m_pTrayMenu = new CMenu;
    m_pTrayMenu->LoadMenu(zephra::res::IDR_TRAY_MENU);

    CreateSheet();
    m_pSheet->SetTitle(kZephraTitle);
    m_pSheet->m_psh.dwFlags |= PSH_NOAPPLYNOW;

    m_pSheet->m_prtUtil.OpenSession();
    m_pSheet->m_prtUtil.QueryIpConfig();

    m_bSheetShown = FALSE;
    m_nTimer = SetTimer(kPollTimerId, kPollPeriodMs);
    return 0;
}

void CHideMainFrame::CreateSheet()
{
    CString caption;
    caption.LoadString(zephra::res::IDS_SHEET_CAPTION);
    m_pSheet = new CPropSheet(caption, nullptr, 0);
}

void CHideMainFrame::ShowSheet()
{
    m_bSheetShown = TRUE;
    if (m_pSheet == nullptr)
        CreateSheet();
    if (m_pSheet->m_bInModal)
        return;
    m_pSheet->m_bInModal = 1;
    m_pSheet->DoModal();
    m_pSheet->m_bInModal = 0;
    m_bSheetShown = FALSE;
    if (m_bCloseAfterSheet) {
        m_bCloseAfterSheet = FALSE;
        SendMessage(WM_CLOSE);
    }
}

void CHideMainFrame::OnShow() { ShowSheet(); }
void CHideMainFrame::OnUpdateShow(CCmdUI* cmdUI) { cmdUI->Enable(!m_bSheetShown); }

void CHideMainFrame::OnHide()
{
    if (m_pSheet != nullptr)
        m_pSheet->EndDialog(IDOK);
}

void CHideMainFrame::OnUpdateHide(CCmdUI* cmdUI) { cmdUI->Enable(m_bSheetShown); }

void CHideMainFrame::OnExit()
{
    SendMessage(WM_CLOSE);
    // Ends the program with 0 however the close went; a close put off until the sheet's
    // loop has ended still runs before the outer loop sees this.
    PostQuitMessage(0);
}

void CHideMainFrame::OnClose()
{
    if (m_pSheet != nullptr && m_pSheet->IsModalRunning()) {
        // The sheet's modal loop is further down this stack: deleting the sheet now would
        // pull it from under that loop. End the loop; ShowSheet closes once it has returned.
        m_bCloseAfterSheet = TRUE;
        m_pSheet->EndDialog(IDCANCEL);
        return;
    }
    Shell_NotifyIcon(NIM_DELETE, &m_nid);
    if (m_nTimer != 0)
        m_nTimer = KillTimer(kPollTimerId) ? 0 : m_nTimer;
    if (m_pSheet != nullptr) {
        m_pSheet->m_bInModal = 0;
        m_pSheet->m_prtUtil.CloseSession();
        delete m_pSheet;
        m_pSheet = nullptr;
    }
    delete m_pTrayMenu;
    m_pTrayMenu = nullptr;
    CFrameWnd::OnClose();
}

void CHideMainFrame::OnTimer(UINT_PTR nIDEvent)
{
    if (m_nTimer != 0)
        m_nTimer = KillTimer(kPollTimerId) ? 0 : m_nTimer;
    if (m_pSheet != nullptr) {
        CPrtUtil& prt = m_pSheet->m_prtUtil;
        prt.RefreshBinding();
        if (prt.m_bBound == 1) {
            prt.QueryLinkStatus();
            if (prt.m_strLinkStatus == kDisconnected) {
                ShowTrayState(zephra::res::IDI_NOT_CONNECTED, kDisconnected);
            } else {
                prt.QueryRssi();
                char tip[sizeof m_nid.szTip];
                std::snprintf(tip, sizeof tip, "%d [dBm]", static_cast<int>(prt.m_nRssi));
                ShowTrayState(SignalIconId(prt.m_nRssi), tip);
            }
        } else {
            ShowTrayState(zephra::res::IDI_SIGNAL_0, kNotBound);
            prt.m_strLinkStatus = kNotBound;
        }
    }
    m_nTimer = SetTimer(kPollTimerId, kPollPeriodMs);
    CFrameWnd::OnTimer(nIDEvent);
}

void CHideMainFrame::ShowTrayState(int iconId, LPCSTR tip)
{
    std::snprintf(m_nid.szTip, sizeof m_nid.szTip, "%s", tip);
    m_nid.hIcon = AfxGetApp()->LoadIcon(static_cast<UINT>(iconId));
    Shell_NotifyIcon(NIM_MODIFY, &m_nid);
}

LRESULT CHideMainFrame::OnTrayNotify(WPARAM, LPARAM lParam)
{
    switch (static_cast<UINT>(lParam)) {
    case WM_LBUTTONDBLCLK:
        ShowSheet();
        SetForegroundWindow();
        break;
    case WM_RBUTTONUP:
        ShowTrayMenu();
        break;
    default:
        break;
    }
    return 1;
}

void CHideMainFrame::ShowTrayMenu()
{
    CMenu* popup = m_pTrayMenu != nullptr ? m_pTrayMenu->GetSubMenu(0) : nullptr;
    if (popup == nullptr)
        return;
    SetForegroundWindow();
    popup->TrackPopupMenu(TPM_RIGHTBUTTON, 0, 0, this);
}

LRESULT CHideMainFrame::OnDelayedShow(WPARAM, LPARAM)
{
    Sleep(kDelayedShowMs);
    ShowSheet();
    return 0;
}
