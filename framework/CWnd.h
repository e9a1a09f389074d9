#pragma once
// A window object: attaches to a framework window (m_hWnd) and handles its messages through
// its message map.

#include <memory>

#include "framework/CCmdTarget.h"
#include "framework/CCmdUI.h"
#include "framework/CString.h"
#include "framework/Messages.h"
#include "framework/WindowStyles.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CPoint.h"
#include "framework/gdi/CRect.h"

class CDataExchange;

// Flags of SetWindowPos.
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOMOVE = 0x0002;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOREDRAW = 0x0008;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SWP_SHOWWINDOW = 0x0040;
constexpr UINT SWP_HIDEWINDOW = 0x0080;
inline const HWND HWND_TOP = nullptr;
inline const HWND HWND_BOTTOM = reinterpret_cast<HWND>(1);

class CWnd : public CCmdTarget {
    DECLARE_DYNAMIC(CWnd)

public:
    HWND m_hWnd = nullptr;

    CWnd() = default;
    ~CWnd() override;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    // The object of a window: its attached one, else a lasting stand-in; null for no window.
    static CWnd* FromHandle(HWND handle);
    static CWnd* FromHandlePermanent(HWND handle);
    BOOL Attach(HWND handle);
    HWND Detach();
    BOOL SubclassWindow(HWND handle);
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                        void* context = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                          int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                  UINT id, LPVOID param = nullptr);
    virtual BOOL DestroyWindow();

    // Identity, styles, text.
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
    void SetWindowText(LPCSTR text);
    void GetWindowText(CString& text) const;
    int GetWindowText(LPSTR buffer, int size) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;

    // State.
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL IsWindow() const;

    // Family.
    CWnd* GetParent() const;
    CWnd* GetOwner() const { return GetParent(); }
    CWnd* GetTopLevelParent() const;
    CWnd* GetDlgItem(int id) const;
    void SetDlgItemText(int id, LPCSTR text);
    int GetDlgItemText(int id, CString& text) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;

    // Geometry.
    void GetWindowRect(LPRECT rect) const;
    void GetClientRect(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    BOOL GetWindowPlacement(WINDOWPLACEMENT* placement) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* placement);
    void CenterWindow(CWnd* alternateOwner = nullptr);

    // Painting: each window draws into its own raster through these contexts.
    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    void UpdateWindow();
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* dc);

    // Input.
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    BOOL SetForegroundWindow();
    static CWnd* GetForegroundWindow();
    BOOL BringWindowToTop();
    static CWnd* FindWindow(LPCSTR className, LPCSTR windowName);

    // Messages and timers.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    UINT_PTR SetTimer(UINT_PTR id, UINT elapseMs, void* timerProc = nullptr);
    BOOL KillTimer(UINT_PTR id);
    // Captioned with the application name unless a caption is given.
    int MessageBox(LPCSTR text, LPCSTR caption = nullptr, UINT type = 0);

    // Dialog data exchange: transfers between the controls and the members.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* dx);

    // The message path: WindowProc runs the map, then the window's own behaviour.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL PreTranslateMessage(MSG* msg);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo) override;

protected:
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Runs the window's own behaviour for the message being handled.
    LRESULT Default();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void PreSubclassWindow() {}
    virtual void PostNcDestroy() {}
    virtual BOOL OnInitDialogMessage(WPARAM, LPARAM) { return TRUE; }

    // Standard handlers: each runs the window's own behaviour.
    int OnCreate(LPCREATESTRUCT cs);
    void OnDestroy();
    void OnNcDestroy();
    void OnClose();
    void OnTimer(UINT_PTR id);
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    BOOL OnEraseBkgnd(CDC* dc);
    HBRUSH OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    LRESULT OnNcHitTest(CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnRButtonDown(UINT flags, CPoint point);
    void OnRButtonUp(UINT flags, CPoint point);
    void OnSetFocus(CWnd* oldWnd);
    void OnKillFocus(CWnd* newWnd);
    void OnKeyDown(UINT ch, UINT repeat, UINT flags);
    void OnChar(UINT ch, UINT repeat, UINT flags);
    void OnSysCommand(UINT id, LPARAM lParam);
    void OnShowWindow(BOOL show, UINT status);

    DECLARE_MESSAGE_MAP()

private:
    friend bool ReflectCtlColor(CWnd* control, CDC* dc, UINT ctlColor, HBRUSH* brush);
    std::unique_ptr<CDC> m_dc;
    int m_dcUsers = 0;
};

// The application's main window object.
CWnd* AfxGetMainWnd();
