#include "framework/CFrameWnd.h"

#include "framework/CWinApp.h"

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

BOOL CFrameWnd::Create(LPCSTR className, LPCSTR title, DWORD style, const RECT& rect, CWnd* parent, LPCSTR, DWORD exStyle,
                       void*)
{
    const bool by_default = rect.left == CW_USEDEFAULT;
    return CreateEx(exStyle, className ? className : "AfxFrameOrView", title, style,
                    by_default ? CW_USEDEFAULT : rect.left, by_default ? CW_USEDEFAULT : rect.top,
                    by_default ? CW_USEDEFAULT : rect.right - rect.left, by_default ? CW_USEDEFAULT : rect.bottom - rect.top,
                    parent ? parent->m_hWnd : nullptr, nullptr);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app != nullptr && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

int CFrameWnd::OnCreate(LPCREATESTRUCT cs) { return CWnd::OnCreate(cs); }

void CFrameWnd::OnClose() { DestroyWindow(); }

void CFrameWnd::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}
