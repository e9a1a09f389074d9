#pragma once
// The sheet the tray icon opens: the five pages and the one driver-access object that the
// pages and the tray frame share.

#include "driver/PrtUtil.h"
#include "framework/CPropertySheet.h"
#include "pages/PageAdvanced.h"
#include "pages/PageConnection.h"
#include "pages/PageDiagnostics.h"
#include "pages/PageVersion.h"
#include "pages/PageWireless.h"

// Sent by another program that found the sheet by its title: every page refreshes.
constexpr UINT WM_REFRESH_ALL = WM_USER + 102;

class CPropSheet : public CPropertySheet {
    DECLARE_DYNAMIC(CPropSheet)

public:
    CPropSheet(LPCSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);

    CPageConnection m_pageConnection;
    CPageWireless m_pageWireless;
    CPageAdvanced m_pageAdvanced;
    CPageDiagnostics m_pageDiagnostics;
    CPageVersion m_pageVersion;
    CPrtUtil m_prtUtil;
    BYTE m_bInModal = 0;

    BOOL OnInitDialog() override;

protected:
    LRESULT OnRefreshAll(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()
};
