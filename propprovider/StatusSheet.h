#pragma once
// The small status sheet that the version page's button opens: the Connection Status page
// and the library's Statistics page, with the platform's OK, Cancel and Apply buttons.

#include "framework/CPropertySheet.h"
#include "propprovider/PropPageConnection.h"
#include "propprovider/PropPageDiagnostics.h"

class CStatusSheet : public CPropertySheet {
    DECLARE_DYNAMIC(CStatusSheet)

public:
    CStatusSheet(LPCSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);

    CPropPageConnection m_pageConnection;
    CPropPageDiagnostics m_pageDiagnostics;
    BYTE m_bInModal = 0;
};
