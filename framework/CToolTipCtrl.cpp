#include "framework/CToolTipCtrl.h"

#include <algorithm>

#include "framework/WindowProcedure.h"

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

BEGIN_MESSAGE_MAP(CToolTipCtrl, CWnd)
END_MESSAGE_MAP()

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style)
{
    return CreateEx(0, "tooltips_class32", "", WS_POPUP | style, 0, 0, 0, 0, parent ? parent->m_hWnd : nullptr, nullptr);
}

BOOL CToolTipCtrl::AddTool(CWnd* tool, LPCSTR text, LPCRECT rect, UINT_PTR id)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || tool == nullptr)
        return FALSE;
    fw::ToolInfo info;
    info.tool = tool->m_hWnd;
    info.id = id;
    info.text = text ? text : "";
    if (rect != nullptr)
        info.rect = *rect;
    w->tools.push_back(std::move(info));
    fw::Notify(w, fw::Change::Tools);
    return TRUE;
}

void CToolTipCtrl::DelTool(CWnd* tool, UINT_PTR id)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || tool == nullptr)
        return;
    std::erase_if(w->tools, [&](const fw::ToolInfo& t) { return t.tool == tool->m_hWnd && t.id == id; });
    fw::Notify(w, fw::Change::Tools);
}

void CToolTipCtrl::UpdateTipText(LPCSTR text, CWnd* tool, UINT_PTR id)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || tool == nullptr)
        return;
    for (fw::ToolInfo& t : w->tools)
        if (t.tool == tool->m_hWnd && t.id == id)
            t.text = text ? text : "";
    fw::Notify(w, fw::Change::Tools);
}

int CToolTipCtrl::GetToolCount() const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    return w ? static_cast<int>(w->tools.size()) : 0;
}

// The presenter shows tips from the tool list itself; relayed messages need no state here.
void CToolTipCtrl::RelayEvent(MSG*) {}

void CToolTipCtrl::Activate(BOOL activate)
{
    if (fw::Window* w = fw::FromHandle(m_hWnd)) {
        w->check = activate ? BST_CHECKED : BST_UNCHECKED;
        fw::Notify(w, fw::Change::Tools);
    }
}
