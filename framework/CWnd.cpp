#include "framework/CWnd.h"

#include "framework/CWinApp.h"
#include "framework/DataExchange.h"
#include "framework/ResourceModule.h"
#include "framework/MessageBox.h"
#include "framework/WinUser.h"
#include "framework/WindowDC.h"
#include "framework/WindowProcedure.h"

namespace {
// The message each WindowProc is handling, for Default().
fw::MsgContext* g_current = nullptr;

// Clears and sets bits of a style word; false when that leaves it as it was.
BOOL ModifyStyleWord(HWND handle, int index, DWORD remove, DWORD add)
{
    const auto style = static_cast<DWORD>(::GetWindowLongPtr(handle, index));
    const DWORD changed = (style & ~remove) | add;
    if (changed == style)
        return FALSE;
    ::SetWindowLongPtr(handle, index, static_cast<LONG_PTR>(changed));
    return TRUE;
}
}  // namespace

IMPLEMENT_DYNAMIC(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_NCDESTROY()
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CWnd::~CWnd()
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w != nullptr && w->object == this)
        ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND handle)
{
    fw::Window* w = fw::FromHandle(handle);
    return w ? fw::ObjectOf(w) : nullptr;
}

CWnd* CWnd::FromHandlePermanent(HWND handle)
{
    fw::Window* w = fw::FromHandle(handle);
    return w ? w->object : nullptr;
}

BOOL CWnd::Attach(HWND handle)
{
    fw::Window* w = fw::FromHandle(handle);
    if (w == nullptr || m_hWnd != nullptr || w->object != nullptr)
        return FALSE;
    w->object = this;
    m_hWnd = handle;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND handle = m_hWnd;
    if (fw::Window* w = fw::FromHandle(handle); w != nullptr && w->object == this)
        w->object = nullptr;
    m_hWnd = nullptr;
    return handle;
}

BOOL CWnd::SubclassWindow(HWND handle)
{
    if (!Attach(handle))
        return FALSE;
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent)
{
    return parent != nullptr && SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU idOrMenu, LPVOID param)
{
    if (m_hWnd != nullptr)
        return FALSE;
    fw::SetObjectForNextWindow(this);
    HWND handle = ::CreateWindowEx(exStyle, className, windowName, style, x, y, width, height, parent, idOrMenu,
                                   AfxGetInstanceHandle(), param);
    fw::SetObjectForNextWindow(nullptr);
    return handle != nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                    UINT id, LPVOID param)
{
    return CreateEx(exStyle, className, windowName, style, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id)), param);
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id, void*)
{
    return CreateEx(0, className, windowName, style | WS_CHILD, rect, parent, id);
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

int CWnd::GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
int CWnd::SetDlgCtrlID(int id) { return static_cast<int>(::SetWindowLongPtr(m_hWnd, GWLP_ID, id)); }
DWORD CWnd::GetStyle() const { return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_STYLE)); }
DWORD CWnd::GetExStyle() const { return static_cast<DWORD>(::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE)); }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT)
{
    return ModifyStyleWord(m_hWnd, GWL_STYLE, remove, add);
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT)
{
    return ModifyStyleWord(m_hWnd, GWL_EXSTYLE, remove, add);
}

void CWnd::SetWindowText(LPCSTR text) { ::SetWindowText(m_hWnd, text); }

void CWnd::GetWindowText(CString& text) const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    text = w ? CString(fw::TextOf(w)) : CString();
}

int CWnd::GetWindowText(LPSTR buffer, int size) const { return ::GetWindowText(m_hWnd, buffer, size); }
int CWnd::GetWindowTextLength() const { return ::GetWindowTextLength(m_hWnd); }

void CWnd::SetFont(CFont* font, BOOL redraw)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr)
        return;
    w->font = font ? static_cast<HFONT>(*font) : nullptr;
    fw::CallProcedure(w, WM_SETFONT, reinterpret_cast<WPARAM>(w->font), redraw);
    fw::Notify(w, fw::Change::Font);
}

CFont* CWnd::GetFont() const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    return w && w->font ? CFont::FromHandle(w->font) : nullptr;
}

BOOL CWnd::EnableWindow(BOOL enable) { return ::EnableWindow(m_hWnd, enable); }
BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
BOOL CWnd::ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
BOOL CWnd::IsWindow() const { return ::IsWindow(m_hWnd); }

CWnd* CWnd::GetParent() const { return FromHandle(::GetParent(m_hWnd)); }

CWnd* CWnd::GetTopLevelParent() const
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    return w ? FromHandle(w->top_level()->handle) : nullptr;
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(::GetDlgItem(m_hWnd, id)); }
void CWnd::SetDlgItemText(int id, LPCSTR text) { ::SetDlgItemText(m_hWnd, id, text); }

int CWnd::GetDlgItemText(int id, CString& text) const
{
    fw::Window* w = fw::FromHandle(::GetDlgItem(m_hWnd, id));
    text = w ? CString(fw::TextOf(w)) : CString();
    return text.GetLength();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) { ::SetDlgItemInt(m_hWnd, id, value, isSigned); }
UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const { return ::GetDlgItemInt(m_hWnd, id, translated, isSigned); }
void CWnd::CheckDlgButton(int id, UINT check) { ::CheckDlgButton(m_hWnd, id, check); }
UINT CWnd::IsDlgButtonChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id); }

void CWnd::GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
void CWnd::GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
void CWnd::ScreenToClient(LPPOINT point) const { ::ScreenToClient(m_hWnd, point); }
void CWnd::ClientToScreen(LPPOINT point) const { ::ClientToScreen(m_hWnd, point); }

void CWnd::ScreenToClient(LPRECT rect) const
{
    POINT origin{0, 0};
    ::ClientToScreen(m_hWnd, &origin);
    rect->left -= origin.x;
    rect->right -= origin.x;
    rect->top -= origin.y;
    rect->bottom -= origin.y;
}

void CWnd::ClientToScreen(LPRECT rect) const
{
    POINT origin{0, 0};
    ::ClientToScreen(m_hWnd, &origin);
    rect->left += origin.x;
    rect->right += origin.x;
    rect->top += origin.y;
    rect->bottom += origin.y;
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) { ::MoveWindow(m_hWnd, x, y, width, height, repaint); }

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint)
{
    ::MoveWindow(m_hWnd, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

BOOL CWnd::SetWindowPos(const CWnd*, int x, int y, int cx, int cy, UINT flags)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr)
        return FALSE;
    CRect r = w->rect;
    if ((flags & SWP_NOMOVE) == 0)
        r = CRect(x, y, x + r.Width(), y + r.Height());
    if ((flags & SWP_NOSIZE) == 0)
        r.right = r.left + cx, r.bottom = r.top + cy;
    ::MoveWindow(m_hWnd, r.left, r.top, r.Width(), r.Height(), (flags & SWP_NOREDRAW) == 0);
    if (flags & SWP_SHOWWINDOW)
        ::ShowWindow(m_hWnd, SW_SHOWNA);
    if (flags & SWP_HIDEWINDOW)
        ::ShowWindow(m_hWnd, SW_HIDE);
    return TRUE;
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* placement) const { return ::GetWindowPlacement(m_hWnd, placement); }
BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* placement) { return ::SetWindowPlacement(m_hWnd, placement); }

void CWnd::CenterWindow(CWnd*)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    if (w == nullptr || w->parent != nullptr)
        return;
    constexpr int kScreenWidth = 1024, kScreenHeight = 768;
    const int x = (kScreenWidth - w->rect.Width()) / 2, y = (kScreenHeight - w->rect.Height()) / 2;
    ::MoveWindow(m_hWnd, x, y, w->rect.Width(), w->rect.Height(), FALSE);
}

void CWnd::Invalidate(BOOL erase) { ::InvalidateRect(m_hWnd, nullptr, erase); }
void CWnd::InvalidateRect(LPCRECT rect, BOOL erase) { ::InvalidateRect(m_hWnd, rect, erase); }
void CWnd::UpdateWindow() { ::UpdateWindow(m_hWnd); }

CDC* CWnd::GetDC()
{
    if (fw::FromHandle(m_hWnd) == nullptr)
        return nullptr;
    if (!m_dc)
        m_dc = std::make_unique<CClientDC>(this);
    ++m_dcUsers;
    return m_dc.get();
}

CDC* CWnd::GetWindowDC() { return GetDC(); }

int CWnd::ReleaseDC(CDC* dc)
{
    if (dc == nullptr || dc != m_dc.get())
        return 0;
    if (--m_dcUsers == 0)
        m_dc.reset();
    return 1;
}

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }
CWnd* CWnd::SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
CWnd* CWnd::GetCapture() { return FromHandle(::GetCapture()); }
BOOL CWnd::SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
CWnd* CWnd::GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
BOOL CWnd::BringWindowToTop() { return IsWindow(); }
CWnd* CWnd::FindWindow(LPCSTR className, LPCSTR windowName) { return FromHandle(::FindWindow(className, windowName)); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) { return ::SendMessage(m_hWnd, message, wParam, lParam); }
BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) { return ::PostMessage(m_hWnd, message, wParam, lParam); }
UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapseMs, void* timerProc) { return m_hWnd ? ::SetTimer(m_hWnd, id, elapseMs, timerProc) : 0; }
BOOL CWnd::KillTimer(UINT_PTR id) { return m_hWnd ? ::KillTimer(m_hWnd, id) : FALSE; }

int CWnd::MessageBox(LPCSTR text, LPCSTR caption, UINT type)
{
    return fw::ShowMessageBox(m_hWnd, text ? text : "", caption ? caption : AfxGetAppName(), type);
}

BOOL CWnd::UpdateData(BOOL saveAndValidate)
{
    if (fw::FromHandle(m_hWnd) == nullptr)
        return FALSE;
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return dx.m_bFailed ? FALSE : TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    fw::MsgContext context{message, wParam, lParam, 0};
    fw::MsgContext* outer = g_current;
    g_current = &context;
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    g_current = outer;
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    if (message == WM_COMMAND) {
        *result = 0;
        return OnCommand(wParam, lParam);
    }
    if (message == WM_NOTIFY) {
        *result = 0;
        return OnNotify(wParam, lParam, result);
    }
    if (message == WM_INITDIALOG) {
        *result = OnInitDialogMessage(wParam, lParam);
        return TRUE;
    }
    const UINT kind = message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC ? fw::kAnyCtlColor : message;
    const fw::MessageMapEntry* entry = fw::FindEntry(GetMessageMap(), kind, 0, 0);
    if (entry == nullptr)
        return FALSE;
    fw::MsgContext context{message, wParam, lParam, 0};
    entry->handler(this, context);
    *result = context.result;
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    fw::Window* w = fw::FromHandle(m_hWnd);
    return w ? fw::CallOriginalProcedure(w, message, wParam, lParam) : 0;
}

LRESULT CWnd::Default()
{
    return g_current ? DefWindowProc(g_current->message, g_current->wParam, g_current->lParam) : 0;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    const int code = lParam != 0 ? HIWORD(wParam) : CN_COMMAND;
    return OnCmdMsg(id, code, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* result)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header == nullptr)
        return FALSE;
    const fw::MessageMapEntry* entry =
        fw::FindEntry(GetMessageMap(), WM_NOTIFY, header->code, static_cast<UINT>(header->idFrom));
    if (entry == nullptr)
        return FALSE;
    fw::MsgContext context{WM_NOTIFY, 0, lParam, 0};
    entry->handler(this, context);
    *result = context.result;
    return TRUE;
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

bool ReflectCtlColor(CWnd* control, CDC* dc, UINT ctlColor, HBRUSH* brush)
{
    const fw::MessageMapEntry* entry = fw::FindEntry(control->GetMessageMap(), fw::kReflectedCtlColor, 0, 0);
    if (entry == nullptr)
        return false;
    fw::MsgContext context{fw::kReflectedCtlColor, reinterpret_cast<WPARAM>(dc ? dc->GetSafeHdc() : nullptr),
                           static_cast<LPARAM>(ctlColor), 0};
    entry->handler(control, context);
    *brush = reinterpret_cast<HBRUSH>(context.result);
    return true;
}

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }

HBRUSH CWnd::OnCtlColor(CDC* dc, CWnd* wnd, UINT ctlColor)
{
    HBRUSH brush = nullptr;
    if (wnd != nullptr && wnd != this && ReflectCtlColor(wnd, dc, ctlColor, &brush))
        return brush;
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnNcDestroy()
{
    Default();
    if (CWinApp* app = AfxGetApp(); app != nullptr && app->m_pMainWnd == this) {
        app->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    Detach();
    PostNcDestroy();
}

CWnd* AfxGetMainWnd()
{
    CWinApp* app = AfxGetApp();
    return app ? app->m_pMainWnd : nullptr;
}

bool PreTranslateMessage(const MSG& msg)
{
    MSG copy = msg;
    for (fw::Window* w = fw::FromHandle(msg.hwnd); w != nullptr; w = w->parent) {
        HWND handle = w->handle;
        fw::Window* parent = w->parent;
        if (w->object != nullptr && w->object->PreTranslateMessage(&copy))
            return true;
        if (fw::FromHandle(handle) == nullptr || (parent != nullptr && fw::FromHandle(parent->handle) == nullptr))
            return false;
    }
    return false;
}
