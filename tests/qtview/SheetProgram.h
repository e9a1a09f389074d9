#pragma once
// Include from one test file only (it defines message maps).
// A two-page sheet on its own resources, with pages that log what the sheet and the user
// do to them.

#include <string>
#include <vector>

#include "framework/CButton.h"
#include "framework/CListCtrl.h"
#include "framework/CPropertySheet.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"
#include "framework/ResourceModule.h"
#include "framework/WindowStyles.h"

namespace sheet_program {

constexpr int kPageFirst = 100, kPageSecond = 101;
constexpr int kName = 1001, kCheck = 1002, kMode = 1003, kList = 1004, kAsk = 1005, kGroup = 1006, kStatus = 1007,
              kHidden = 1008, kLocked = 1009;

inline fw::ResourceModule MakeModule()
{
    fw::ResourceModule m;
    auto control = [](fw::DialogTemplate& d, fw::ControlKind kind, int id, const char* text, DWORD style, int x, int y, int cx, int cy) {
        fw::ControlTemplate c;
        c.kind = kind;
        c.id = id;
        c.text = text;
        c.style = WS_CHILD | style;
        c.x = x;
        c.y = y;
        c.cx = cx;
        c.cy = cy;
        d.controls.push_back(c);
        return &d.controls.back();
    };
    fw::DialogTemplate first;
    first.id = kPageFirst;
    first.caption = "First";
    first.style = WS_CHILD | WS_CAPTION;
    first.cx = 220;
    first.cy = 160;
    control(first, fw::ControlKind::GroupBox, kGroup, "Settings", WS_VISIBLE | BS_GROUPBOX, 5, 5, 210, 70);
    control(first, fw::ControlKind::Edit, kName, "", WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 12, 18, 90, 12);
    control(first, fw::ControlKind::CheckBox, kCheck, "Enable", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 110, 18, 60, 10);
    control(first, fw::ControlKind::ComboBox, kMode, "", WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST, 12, 36, 90, 60)->items = {"Ad-hoc", "Infrastructure", "Automatic"};
    control(first, fw::ControlKind::Edit, kLocked, "", WS_VISIBLE | ES_READONLY, 110, 36, 90, 12);
    control(first, fw::ControlKind::Static, kStatus, "&Status text", WS_VISIBLE | SS_LEFT, 12, 56, 100, 8);
    control(first, fw::ControlKind::Static, kHidden, "hidden", SS_LEFT, 120, 56, 40, 8);
    control(first, fw::ControlKind::ListView, kList, "", WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL, 5, 80, 210, 55);
    control(first, fw::ControlKind::PushButton, kAsk, "Ask", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 165, 140, 50, 14);
    m.dialogs[kPageFirst] = first;

    fw::DialogTemplate second;
    second.id = kPageSecond;
    second.caption = "Second";
    second.style = WS_CHILD | WS_CAPTION;
    second.cx = 200;
    second.cy = 120;
    control(second, fw::ControlKind::Static, IDC_STATIC, "Second page", WS_VISIBLE | SS_LEFT, 10, 10, 100, 8);
    m.dialogs[kPageSecond] = second;
    m.strings[57344] = "Sheet Program";
    return m;
}

class FirstPage : public CPropertyPage {
public:
    FirstPage(std::vector<std::string>& log) : CPropertyPage(kPageFirst), m_log(log) {}
    CString m_strName = "abc";
    int m_bCheck = TRUE;
    int m_nMode = 1;
    CListCtrl m_list;
    int m_nNameChanges = 0;
    std::vector<std::string> m_listEvents;
    int m_nAnswer = 0;
    bool m_bRefuseLeave = false;

    void DoDataExchange(CDataExchange* dx) override
    {
        CPropertyPage::DoDataExchange(dx);
        DDX_Control(dx, kList, m_list);
        DDX_Text(dx, kName, m_strName);
        DDX_Check(dx, kCheck, m_bCheck);
        DDX_CBIndex(dx, kMode, m_nMode);
    }
    BOOL OnInitDialog() override
    {
        CPropertyPage::OnInitDialog();
        m_list.InsertColumn(0, "Network", LVCFMT_LEFT, 120);
        m_list.InsertColumn(1, "Channel", LVCFMT_RIGHT, 60);
        m_list.InsertItem(0, "alpha");
        m_list.SetItemText(0, 1, "6");
        m_list.InsertItem(1, "beta");
        m_list.SetItemText(1, 1, "11");
        m_list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        SetDlgItemText(kLocked, "fixed");
        return TRUE;
    }
    BOOL OnSetActive() override
    {
        m_log.push_back("first set-active");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        m_log.push_back("first kill-active");
        return m_bRefuseLeave ? FALSE : CPropertyPage::OnKillActive();
    }

protected:
    void OnChangeName() { ++m_nNameChanges; }
    void OnClickList(NMHDR*, LRESULT*) { m_listEvents.push_back("click"); }
    void OnDblclkList(NMHDR*, LRESULT*) { m_listEvents.push_back("dblclk"); }
    void OnAsk() { m_nAnswer = AfxMessageBox("Go on?", MB_YESNO | MB_ICONQUESTION); }
    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::string>& m_log;
};

BEGIN_MESSAGE_MAP(FirstPage, CPropertyPage)
    ON_EN_CHANGE(kName, OnChangeName)
    ON_NOTIFY(NM_CLICK, kList, OnClickList)
    ON_NOTIFY(NM_DBLCLK, kList, OnDblclkList)
    ON_BN_CLICKED(kAsk, OnAsk)
END_MESSAGE_MAP()

class SecondPage : public CPropertyPage {
public:
    SecondPage(std::vector<std::string>& log) : CPropertyPage(kPageSecond), m_log(log) {}
    BOOL OnSetActive() override
    {
        m_log.push_back("second set-active");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        m_log.push_back("second kill-active");
        return CPropertyPage::OnKillActive();
    }

private:
    std::vector<std::string>& m_log;
};

class Sheet : public CPropertySheet {
public:
    Sheet() : CPropertySheet("Sheet Program"), m_first(log), m_second(log)
    {
        m_psh.dwFlags |= PSH_NOAPPLYNOW;
        AddPage(&m_first);
        AddPage(&m_second);
    }
    std::vector<std::string> log;
    FirstPage m_first;
    SecondPage m_second;
};

}  // namespace sheet_program
