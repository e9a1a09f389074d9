#pragma once
// The hidden main window: owns the tray icon and the sheet, polls the adapter once a second
// and shows the link in the icon and its tooltip.

#include "framework/CFrameWnd.h"
#include "framework/CMenu.h"
#include "framework/TrayIcon.h"

class CPropSheet;

constexpr UINT WM_TRAY_NOTIFY = WM_USER + 100;
// Sent by another program that found the frame by its title: show the sheet after a second.
constexpr UINT WM_DELAYED_SHOW = WM_USER + 101;
constexpr UINT kTrayIconId = 128;

// The tray icon of a signal strength while connected.
int SignalIconId(LONG rssiDbm);

class CHideMainFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CHideMainFrame)

public:
    CHideMainFrame();
    ~CHideMainFrame() override;

    CPropSheet* m_pSheet = nullptr;
    CMenu* m_pTrayMenu = nullptr;
    UINT_PTR m_nTimer = 0;
    NOTIFYICONDATA m_nid;
    BOOL m_bSheetShown = FALSE;

    void ShowSheet();

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnShow();
    void OnUpdateShow(CCmdUI* cmdUI);
    void OnHide();
    void OnUpdateHide(CCmdUI* cmdUI);
    void OnExit();
    void OnClose();
    void OnTimer(UINT_PTR nIDEvent);
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnDelayedShow(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void CreateSheet();
    void ShowTrayState(int iconId, LPCSTR tip);
    void ShowTrayMenu();
    // A close that arrived while the sheet's modal loop ran: done once that loop has ended.
    BOOL m_bCloseAfterSheet = FALSE;
};
