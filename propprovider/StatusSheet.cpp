#include "propprovider/StatusSheet.h"

#include "resources/PropResourceIds.h"

IMPLEMENT_DYNAMIC(CStatusSheet, CPropertySheet)

CStatusSheet::CStatusSheet(LPCSTR caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage), m_pageDiagnostics(zephra::res::IDD_PROP_STATISTICS)
{
    AddPage(&m_pageConnection);
    AddPage(&m_pageDiagnostics);
}
