#pragma once
// A tooltip window holding the tips of the tools (windows) it was given.

#include "framework/CWnd.h"

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)

public:
    BOOL Create(CWnd* parent, DWORD style = 0);
    BOOL AddTool(CWnd* tool, LPCSTR text, LPCRECT rect = nullptr, UINT_PTR id = 0);
    void DelTool(CWnd* tool, UINT_PTR id = 0);
    void UpdateTipText(LPCSTR text, CWnd* tool, UINT_PTR id = 0);
    int GetToolCount() const;
    // Shows the mouse messages of a tool to the tooltip, so that it can show the tip.
    void RelayEvent(MSG* msg);
    void Activate(BOOL activate);

protected:
    DECLARE_MESSAGE_MAP()
};
