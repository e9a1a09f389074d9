#pragma once
// Include from one test file only (it defines message maps).
// A small program on the framework: a hidden frame with a tray icon and a one-second timer
// that opens a two-page sheet modally on a double-click of the icon, as the system's shell does.

#include <cstdio>
#include <string>
#include <vector>

#include "TestResources.h"
#include "framework/CButton.h"
#include "framework/CComboBox.h"
#include "framework/CEdit.h"
#include "framework/CFrameWnd.h"
#include "framework/CListCtrl.h"
#include "framework/CMenu.h"
#include "framework/CPropertySheet.h"
#include "framework/CWinApp.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"
#include "framework/TrayIcon.h"

namespace test_program {

using namespace test_resources;

constexpr UINT kTrayMessage = WM_USER + 100;
constexpr UINT kCmdMessageBox = 40001;
constexpr char kTitle[] = "Test Utility Frame";

class PageA : public CPropertyPage {
public:
    PageA() : CPropertyPage(kPageA) {}
    CString m_strName;
    int m_bCheck = FALSE;
    int m_nCount = 0;
    CListCtrl m_list;
    CComboBox m_combo;
    int m_nInits = 0, m_nSetActive = 0, m_nKillActive = 0, m_nResets = 0, m_nNameChanges = 0, m_nSelChanges = 0;
    int m_nCurRow = -1;
    int m_nComboFocus = 0, m_nNameFocus = 0;
    std::vector<std::string> m_listEvents;

    void DoDataExchange(CDataExchange* dx) override
    {
        CPropertyPage::DoDataExchange(dx);
        DDX_Control(dx, kList, m_list);
        DDX_Control(dx, kCombo, m_combo);
        DDX_Text(dx, kEditName, m_strName);
        DDV_MaxChars(dx, m_strName, 5);
        DDX_Check(dx, kCheck, m_bCheck);
        DDX_Text(dx, kEditCount, m_nCount);
        DDV_MinMaxInt(dx, m_nCount, 0, 32);
    }
    BOOL OnInitDialog() override
    {
        CPropertyPage::OnInitDialog();
        ++m_nInits;
        return TRUE;
    }
    BOOL OnSetActive() override
    {
        ++m_nSetActive;
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        ++m_nKillActive;
        return CPropertyPage::OnKillActive();
    }
    void OnReset() override { ++m_nResets; }

protected:
    void OnChangeName() { ++m_nNameChanges; }
    void OnSelchangeCombo() { ++m_nSelChanges; }
    void OnSetfocusCombo() { ++m_nComboFocus; }
    void OnSetfocusName() { ++m_nNameFocus; }
    void OnClickList(NMHDR*, LRESULT* result)
    {
        m_listEvents.push_back("click " + std::to_string(m_nCurRow));
        *result = 0;
    }
    void OnDblclkList(NMHDR*, LRESULT* result)
    {
        m_listEvents.push_back("dblclk " + std::to_string(m_nCurRow));
        *result = 0;
    }
    void OnItemchangedList(NMHDR* header, LRESULT* result)
    {
        m_nCurRow = reinterpret_cast<NMLISTVIEW*>(header)->iItem;
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(PageA, CPropertyPage)
    ON_EN_CHANGE(kEditName, OnChangeName)
    ON_CBN_SELCHANGE(kCombo, OnSelchangeCombo)
    ON_CBN_SETFOCUS(kCombo, OnSetfocusCombo)
    ON_EN_SETFOCUS(kEditName, OnSetfocusName)
    ON_NOTIFY(NM_CLICK, kList, OnClickList)
    ON_NOTIFY(NM_DBLCLK, kList, OnDblclkList)
    ON_NOTIFY(LVN_ITEMCHANGED, kList, OnItemchangedList)
END_MESSAGE_MAP()

class PageB : public CPropertyPage {
public:
    PageB() : CPropertyPage(kPageB) {}
    int m_nInits = 0;
    BOOL OnInitDialog() override
    {
        CPropertyPage::OnInitDialog();
        ++m_nInits;
        return TRUE;
    }
};

class Sheet : public CPropertySheet {
public:
    Sheet() : CPropertySheet("caption", nullptr, 0)
    {
        AddPage(&m_pageA);
        AddPage(&m_pageB);
    }
    PageA m_pageA;
    PageB m_pageB;
    BYTE m_bInModal = 0;
};

class Frame : public CFrameWnd {
public:
    Frame()
    {
        m_bAutoDelete = FALSE;
        Create(nullptr, kTitle, WS_OVERLAPPED);
    }
    Sheet m_sheet;
    int m_nTicks = 0;
    std::vector<int> m_results;
    BOOL m_bSheetShown = FALSE;
    CMenu m_menu;

    void ShowSheet()
    {
        m_bSheetShown = TRUE;
        if (m_sheet.m_bInModal)
            return;
        m_sheet.m_bInModal = 1;
        m_results.push_back(m_sheet.DoModal());
        m_sheet.m_bInModal = 0;
        m_bSheetShown = FALSE;
    }

protected:
    int OnCreate(LPCREATESTRUCT cs)
    {
        if (CFrameWnd::OnCreate(cs) == -1)
            return -1;
        NOTIFYICONDATA nid;
        nid.cbSize = NOTIFYICONDATA_V1_SIZE;
        nid.hWnd = m_hWnd;
        nid.uID = 128;
        nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        nid.uCallbackMessage = kTrayMessage;
        nid.hIcon = AfxGetApp()->LoadIcon(250);
        std::snprintf(nid.szTip, sizeof nid.szTip, "%s", "Test tip");
        Shell_NotifyIcon(NIM_ADD, &nid);
        m_menu.LoadMenu(kMenu);
        m_sheet.SetTitle("Test Utility");
        m_sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
        SetTimer(1, 1000);
        return 0;
    }
    void OnTimer(UINT_PTR)
    {
        KillTimer(1);
        ++m_nTicks;
        SetTimer(1, 1000);
    }
    LRESULT OnTrayNotify(WPARAM, LPARAM lParam)
    {
        if (static_cast<UINT>(lParam) == WM_LBUTTONDBLCLK)
            ShowSheet();
        if (static_cast<UINT>(lParam) == WM_RBUTTONUP)
            m_menu.GetSubMenu(0)->TrackPopupMenu(TPM_RIGHTBUTTON, 0, 0, this);
        return 1;
    }
    void OnShow() { ShowSheet(); }
    void OnUpdateShow(CCmdUI* ui) { ui->Enable(!m_bSheetShown); }
    void OnHide() { m_sheet.EndDialog(IDOK); }
    void OnUpdateHide(CCmdUI* ui) { ui->Enable(m_bSheetShown); }
    void OnMessageBox() { AfxMessageBox(10003, MB_OK); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Frame, CFrameWnd)
    ON_WM_CREATE()
    ON_WM_TIMER()
    ON_MESSAGE(kTrayMessage, OnTrayNotify)
    ON_COMMAND(kCmdShow, OnShow)
    ON_UPDATE_COMMAND_UI(kCmdShow, OnUpdateShow)
    ON_COMMAND(kCmdHide, OnHide)
    ON_UPDATE_COMMAND_UI(kCmdHide, OnUpdateHide)
    ON_COMMAND(kCmdMessageBox, OnMessageBox)
END_MESSAGE_MAP()

class App : public CWinApp {
public:
    Frame* m_pFrame = nullptr;
    BOOL InitInstance() override
    {
        m_pFrame = new Frame;
        m_pMainWnd = m_pFrame;
        m_nCmdShow = SW_SHOWMINIMIZED;
        m_pFrame->ShowWindow(m_nCmdShow);
        HideApplication();
        return TRUE;
    }
    int ExitInstance() override
    {
        delete m_pFrame;
        m_pFrame = nullptr;
        return CWinApp::ExitInstance();
    }
};

}  // namespace test_program
