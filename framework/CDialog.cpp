#include "framework/CDialog.h"

#include "framework/DialogBuilder.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
END_MESSAGE_MAP()

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDTemplate = templateId;
    m_pParentWnd = parent;
    fw::DialogRequest request;
    request.dialog = fw::FindDialogTemplate(static_cast<int>(templateId));
    if (request.dialog == nullptr)
        return FALSE;
    request.parent = parent ? parent->m_hWnd : nullptr;
    request.object = this;
    return fw::CreateDialogWindow(request) != nullptr;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

// Modeless dialogs end by going away.
void CDialog::EndDialog(int) { DestroyWindow(); }

void CDialog::MapDialogRect(LPRECT rect) const
{
    rect->left = fw::DialogUnitsToPixelsX(rect->left);
    rect->right = fw::DialogUnitsToPixelsX(rect->right);
    rect->top = fw::DialogUnitsToPixelsY(rect->top);
    rect->bottom = fw::DialogUnitsToPixelsY(rect->bottom);
}

BOOL CDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    if (HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    if (LOWORD(wParam) == IDOK) {
        OnOK();
        return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
        OnCancel();
        return TRUE;
    }
    return FALSE;
}
