#pragma once
// A top-level frame window. Closing it destroys it; the main window's end ends the loop.

#include "framework/CWnd.h"

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)

public:
    static const CRect rectDefault;
    // Frames are created with new and delete themselves once their window is gone.
    BOOL m_bAutoDelete = TRUE;

    virtual BOOL Create(LPCSTR className, LPCSTR title, DWORD style = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* parent = nullptr, LPCSTR menuName = nullptr,
                        DWORD exStyle = 0, void* context = nullptr);
    // Commands go to the frame, then to the application object.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;

protected:
    int OnCreate(LPCREATESTRUCT cs);
    void OnClose();
    void PostNcDestroy() override;

    DECLARE_MESSAGE_MAP()
};
