#pragma once
// One command's enable, check and text state, asked of its handlers before a menu shows.

#include "framework/CCmdTarget.h"

class CMenu;
class CWnd;

class CCmdUI {
public:
    UINT m_nID = 0;
    UINT m_nIndex = 0;       // position in m_pMenu
    CMenu* m_pMenu = nullptr;
    CWnd* m_pOther = nullptr;  // a window to enable instead of a menu item
    BOOL m_bEnableChanged = FALSE;

    virtual ~CCmdUI() = default;
    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetText(LPCSTR text);

    // Asks `target` for the state; when no handler answers and `disableIfNoHandler` is set,
    // a command that nothing handles is disabled.
    BOOL DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler);
};
