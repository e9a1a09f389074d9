#include "framework/CCmdUI.h"

#include "framework/CMenu.h"
#include "framework/CWnd.h"

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu != nullptr)
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
    else if (m_pOther != nullptr)
        m_pOther->EnableWindow(bOn);
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu != nullptr)
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
}

void CCmdUI::SetText(LPCSTR text)
{
    if (m_pMenu != nullptr)
        m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING, m_nID, text);
    else if (m_pOther != nullptr)
        m_pOther->SetWindowText(text);
}

BOOL CCmdUI::DoUpdate(CCmdTarget* target, BOOL disableIfNoHandler)
{
    if (target == nullptr)
        return FALSE;
    m_bEnableChanged = FALSE;
    const BOOL handled = target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr);
    if (!handled && disableIfNoHandler && !m_bEnableChanged) {
        int dummy = 0;
        Enable(target->OnCmdMsg(m_nID, CN_COMMAND, nullptr, &dummy));
    }
    return handled;
}
