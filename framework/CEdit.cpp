#include "framework/CEdit.h"

#include "framework/ControlBehaviour.h"
#include "framework/WinUser.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BEGIN_MESSAGE_MAP(CEdit, CWnd)
END_MESSAGE_MAP()

BOOL CEdit::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    return CWnd::Create("Edit", "", style, rect, parent, id);
}

BOOL CEdit::SetReadOnly(BOOL readOnly)
{
    if (fw::FromHandle(m_hWnd) == nullptr)
        return FALSE;
    ModifyStyle(readOnly ? 0 : ES_READONLY, readOnly ? ES_READONLY : 0);
    return TRUE;
}

void CEdit::SetLimitText(UINT maxChars)
{
    if (fw::Window* w = fw::FromHandle(m_hWnd))
        w->text_limit = static_cast<int>(maxChars);
}

UINT CEdit::GetLimitText() const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr)
        return 0;
    return static_cast<UINT>(w->text_limit > 0 ? w->text_limit : fw::kDefaultEditLimit);
}

void CEdit::SetSel(int start, int end, BOOL) { ::SendMessage(m_hWnd, EM_SETSEL, static_cast<WPARAM>(start), end); }

void CEdit::GetSel(int& start, int& end) const
{
    const auto both = static_cast<DWORD>(::SendMessage(m_hWnd, EM_GETSEL));
    start = LOWORD(both);
    end = HIWORD(both);
}

void CEdit::ReplaceSel(LPCSTR text, BOOL) { ::SendMessage(m_hWnd, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(text)); }
