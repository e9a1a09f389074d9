#include "framework/CButton.h"

#include "framework/WinUser.h"
#include "framework/WindowProcedure.h"

IMPLEMENT_DYNAMIC(CButton, CWnd)

BEGIN_MESSAGE_MAP(CButton, CWnd)
END_MESSAGE_MAP()

BOOL CButton::Create(LPCSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("Button", caption, style, rect, parent, id);
}

int CButton::GetCheck() const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    return w ? w->check : BST_UNCHECKED;
}

void CButton::SetCheck(int check)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w != nullptr && w->parent != nullptr)
        ::CheckDlgButton(w->parent->handle, w->id, static_cast<UINT>(check));
    else if (w != nullptr)
        w->check = check;
}
