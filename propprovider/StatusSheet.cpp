#include "propprovider/StatusSheet.h"

IMPLEMENT_DYNAMIC(CStatusSheet, CPropertySheet)

CStatusSheet::CStatusSheet(LPCSTR caption, CWnd* parent, UINT selectPage)
    : CPropertySheet(caption, parent, selectPage)
{
    AddPage(&m_pageConnection);
    AddPage(&m_pageDiagnostics);
}
