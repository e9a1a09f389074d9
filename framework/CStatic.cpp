#include "framework/CStatic.h"

#include "framework/WindowProcedure.h"

IMPLEMENT_DYNAMIC(CStatic, CWnd)

BEGIN_MESSAGE_MAP(CStatic, CWnd)
END_MESSAGE_MAP()

BOOL CStatic::Create(LPCSTR text, DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("Static", text, style, rect, parent, id);
}

HICON CStatic::SetIcon(HICON icon)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr)
        return nullptr;
    auto before = reinterpret_cast<HICON>(w->user_data);
    w->user_data = reinterpret_cast<LONG_PTR>(icon);
    fw::Notify(w, fw::Change::Images);
    return before;
}

HICON CStatic::GetIcon() const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    return w ? reinterpret_cast<HICON>(w->user_data) : nullptr;
}
