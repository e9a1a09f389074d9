#include "shell/PropSheet.h"

#include "resources/ResourceIds.h"

namespace {
// The height of the button row that the sheet does not show.
constexpr LONG kButtonRowHeight = 30;
constexpr int kAdvancedPage = 2;
}  // namespace

IMPLEMENT_DYNAMIC(CPropSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CPropSheet, CPropertySheet)
    ON_MESSAGE(WM_REFRESH_ALL, OnRefreshAll)
END_MESSAGE_MAP()

CPropSheet::CPropSheet(LPCSTR caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage)
{
    AddPage(&m_pageConnection);
    AddPage(&m_pageWireless);
    AddPage(&m_pageAdvanced);
    AddPage(&m_pageDiagnostics);
    AddPage(&m_pageVersion);
}

BOOL CPropSheet::OnInitDialog()
{
    const BOOL result = CPropertySheet::OnInitDialog();
    for (int id : {IDOK, IDCANCEL, IDHELP}) {
        if (CWnd* button = GetDlgItem(id)) {
            button->ShowWindow(SW_HIDE);
            button->EnableWindow(FALSE);
        }
    }
    WINDOWPLACEMENT placement;
    GetWindowPlacement(&placement);
    placement.rcNormalPosition.bottom -= kButtonRowHeight;
    SetWindowPlacement(&placement);
    return result;
}

LRESULT CPropSheet::OnRefreshAll(WPARAM, LPARAM)
{
    m_prtUtil.QueryIpConfig();
    for (int page = 0; page < GetPageCount(); ++page)
        SetActivePage(page);
    SetActivePage(kAdvancedPage);
    return 0;
}
