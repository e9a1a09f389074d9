#pragma once
// A window made from a dialog template.

#include "framework/CWnd.h"

class CDialog : public CWnd {
    DECLARE_DYNAMIC(CDialog)

public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

    // A modeless dialog from the template of the current resource module.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // The controls take the members' values (UpdateData(FALSE)); TRUE lets the platform set the focus.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result);
    void MapDialogRect(LPRECT rect) const;
    UINT TemplateId() const { return m_nIDTemplate; }

protected:
    BOOL OnInitDialogMessage(WPARAM, LPARAM) override { return OnInitDialog(); }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

    DECLARE_MESSAGE_MAP()
};
