#pragma once
// One page of a property sheet. The page object lives as long as its owner; its window is
// made from its template when the page is first shown in a run of the sheet, and goes when
// the sheet closes.

#include "framework/CDialog.h"
#include "framework/PropertySheetPages.h"

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)

public:
    explicit CPropertyPage(UINT templateId, UINT captionId = 0);

    PROPSHEETPAGE m_psp;

    // The page becomes the active one; FALSE refuses. The base transfers the members into the
    // controls on every activation after the first.
    virtual BOOL OnSetActive();
    // The page is left; FALSE keeps it. The base validates and transfers (UpdateData(TRUE)).
    virtual BOOL OnKillActive();
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel();
    void OnOK() override {}
    void OnCancel() override {}
    BOOL OnInitDialog() override;

    // Tells the sheet that the page has changes to apply.
    void SetModified(BOOL changed = TRUE);
    BOOL IsModified() const { return m_bModified; }
    // The tab caption: the given caption, else the template's.
    CString GetCaption() const;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    CString m_strCaption;
    BOOL m_bFirstSetActive = TRUE;
    BOOL m_bModified = FALSE;

    DECLARE_MESSAGE_MAP()
};
