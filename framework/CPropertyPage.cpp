#include "framework/CPropertyPage.h"

#include "framework/DialogBuilder.h"
#include "framework/WinUser.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

BEGIN_MESSAGE_MAP(CPropertyPage, CDialog)
END_MESSAGE_MAP()

CPropertyPage::CPropertyPage(UINT templateId, UINT captionId) : CDialog(templateId)
{
    m_psp.dwSize = sizeof(PROPSHEETPAGE);
    m_psp.pszTemplate = MAKEINTRESOURCE(templateId);
    if (captionId != 0 && m_strCaption.LoadString(captionId))
        m_psp.dwFlags |= PSP_USETITLE;
}

CString CPropertyPage::GetCaption() const
{
    if (m_psp.dwFlags & PSP_USETITLE)
        return m_strCaption;
    const fw::DialogTemplate* t = fw::FindDialogTemplate(static_cast<int>(m_nIDTemplate));
    return t ? CString(t->caption) : CString();
}

BOOL CPropertyPage::OnInitDialog()
{
    m_bFirstSetActive = TRUE;
    return CDialog::OnInitDialog();
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply()
{
    OnOK();
    m_bModified = FALSE;
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

void CPropertyPage::SetModified(BOOL changed)
{
    m_bModified = changed;
    if (CWnd* sheet = GetParent())
        ::SendMessage(sheet->m_hWnd, changed ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (CDialog::OnNotify(wParam, lParam, result))
        return TRUE;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    switch (header->code) {
    case PSN_SETACTIVE: *result = OnSetActive() ? 0 : -1; return TRUE;
    case PSN_KILLACTIVE: *result = OnKillActive() ? FALSE : TRUE; return TRUE;
    case PSN_APPLY: *result = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE; return TRUE;
    case PSN_RESET: OnReset(); return TRUE;
    case PSN_QUERYCANCEL: *result = OnQueryCancel() ? FALSE : TRUE; return TRUE;
    default: return FALSE;
    }
}
