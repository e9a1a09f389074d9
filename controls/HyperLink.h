#pragma once
// A static text control made into a link: its text drawn underlined in a link colour, a hand
// cursor and a tooltip with the target over it, and a click (or the space bar while it has
// the focus) opens the target with the shell, else with the browser registered for ".htm".

#include "framework/CStatic.h"
#include "framework/CString.h"
#include "framework/CToolTipCtrl.h"
#include "framework/gdi/CFont.h"

class CHyperLink : public CStatic {
    DECLARE_DYNAMIC(CHyperLink)

public:
    // Behaviour bits of m_dwLinkStyle.
    static constexpr DWORD kUnderline = 0x01;
    static constexpr DWORD kSizeToText = 0x04;
    static constexpr DWORD kFocusOnClick = 0x10;

    CHyperLink() = default;
    ~CHyperLink() override;

    BOOL m_bArmed = FALSE;
    BOOL m_bHover = FALSE;
    BOOL m_bFollowed = FALSE;
    DWORD m_dwLinkStyle = kUnderline | kSizeToText | kFocusOnClick;
    CString m_strTarget;
    CFont m_fontLink;
    CToolTipCtrl m_tip;

    static const COLORREF s_crLink;
    static const COLORREF s_crActive;
    static const COLORREF s_crFollowed;
    static HCURSOR s_hLinkCursor;

    void OpenTarget();
    void SizeToText();
    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    void PreSubclassWindow() override;

    HBRUSH CtlColor(CDC* dc, UINT ctlColor);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnSetFocus(CWnd* oldWnd);
    void OnKillFocus(CWnd* newWnd);
    void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    LRESULT OnNcHitTest(CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    void Redraw();
    void CreateLinkFont();
    static void LoadLinkCursor();
    void ReportOpenError(UINT code);
};

// Opens `target` with the shell; when the shell fails, runs the command registered for ".htm"
// files with the target. Returns the shell's result (above 32 for success) or the command's.
UINT ShellOpen(LPCSTR target, int show);
