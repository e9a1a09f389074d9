#pragma once
// A tabbed sheet of pages with the OK, Cancel, Apply and Help buttons, run modally.
// DoModal runs a nested message loop that keeps serving every other window; the owner (the
// main window unless a parent is given) is disabled meanwhile. Each run creates the sheet
// window and the windows of the pages visited; closing destroys them, the objects stay.

#include <string>
#include <vector>

#include "framework/CPropertyPage.h"

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)

public:
    CPropertySheet() = default;
    explicit CPropertySheet(LPCSTR caption, CWnd* parent = nullptr, UINT selectPage = 0);
    explicit CPropertySheet(UINT captionId, CWnd* parent = nullptr, UINT selectPage = 0);

    PROPSHEETHEADER m_psh;

    void AddPage(CPropertyPage* page);
    // A page on the dialog-procedure path; FALSE for a handle that names no page.
    BOOL AddPage(HPROPSHEETPAGE page);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    CPropertyPage* GetActivePage() const { return GetPage(m_nActive); }
    int GetActiveIndex() const { return m_nActive; }
    // With the sheet open, the active page is left (it may refuse) and page `index` shown;
    // before, the page shown first.
    BOOL SetActivePage(int index);
    BOOL SetActivePage(CPropertyPage* page);
    // With PSH_PROPTITLE in `style` the title reads "Properties for " and the text.
    void SetTitle(LPCSTR text, UINT style = 0);

    // IDOK or IDCANCEL as the sheet was closed, the EndDialog value, or -1 when it could not
    // run (already running, no window).
    virtual int DoModal();
    // Ends the modal loop with `result`; the sheet's Cancel is pressed, so the pages are reset.
    void EndDialog(int result);
    BOOL PressButton(int button);
    BOOL IsModalRunning() const { return m_bRunning; }
    CWnd* GetTabControl() const;

    virtual BOOL OnInitDialog();

protected:
    BOOL OnInitDialogMessage(WPARAM, LPARAM) override { return OnInitDialog(); }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    void OnClose();
    LRESULT OnPageChanged(WPARAM wParam, LPARAM lParam);
    LRESULT OnPageUnchanged(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    struct PageEntry {
        CPropertyPage* page = nullptr;
        HPROPSHEETPAGE handle = nullptr;
        HWND window = nullptr;
    };
    std::string TitleText() const;
    std::string CaptionOf(const PageEntry& entry) const;
    HWND EnsurePageWindow(int index);
    LRESULT NotifyPage(int index, UINT code);
    void CreateFrameControls();
    bool Apply();
    bool Cancel();
    void Finish(int result);

    std::vector<PageEntry> m_pages;
    std::string m_strCaption;
    CWnd* m_pParentWnd = nullptr;
    int m_nActive = 0;
    bool m_bRunning = false;
    bool m_bEnded = false;
    int m_nModalResult = -1;
    CRect m_rcPage;
};
