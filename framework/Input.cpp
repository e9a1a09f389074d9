#include "framework/Input.h"

#include "framework/ControlBehaviour.h"
#include "framework/TrayIcon.h"
#include "framework/WinUser.h"
#include "framework/WindowProcedure.h"

namespace fw::input {

namespace {
LPARAM PointParam(POINT p)
{
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(static_cast<short>(p.x)), static_cast<WORD>(static_cast<short>(p.y))));
}

// Delivers an input message as the loop would: the windows it passes may translate it first.
void Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    MSG msg;
    msg.hwnd = window;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    if (!PreTranslateMessage(msg))
        SendMessage(window, message, wParam, lParam);
}

// The window that gets the mouse at the centre of `window`: statics that let the mouse
// through hand it to their parent.
Window* MouseTarget(Window* w)
{
    while (w != nullptr && w->parent != nullptr && SendMessage(w->handle, WM_NCHITTEST, 0, 0) == HTTRANSPARENT)
        w = w->parent;
    return w;
}

Window* Accepting(HWND window)
{
    Window* w = FromHandle(window);
    return w != nullptr && w->accepts_input() ? w : nullptr;
}

bool Buttons(HWND window, std::initializer_list<UINT> messages)
{
    Window* w = MouseTarget(Accepting(window));
    if (w == nullptr)
        return false;
    HWND target = w->handle;
    const POINT centre{w->rect.Width() / 2, w->rect.Height() / 2};
    SendMessage(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELONG(static_cast<WORD>(HTCLIENT), static_cast<WORD>(WM_MOUSEMOVE)));
    for (UINT m : messages) {
        HWND to = GetCapture() ? GetCapture() : target;
        if (FromHandle(to) == nullptr)
            return true;
        const UINT keys = (m == WM_LBUTTONDOWN || m == WM_LBUTTONDBLCLK) ? MK_LBUTTON : (m == WM_RBUTTONDOWN ? MK_RBUTTON : 0);
        Deliver(to, m, keys, PointParam(centre));
    }
    return true;
}
}  // namespace

bool Click(HWND window) { return Buttons(window, {WM_LBUTTONDOWN, WM_LBUTTONUP}); }
bool DoubleClick(HWND window) { return Buttons(window, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}); }
bool RightClick(HWND window) { return Buttons(window, {WM_RBUTTONDOWN, WM_RBUTTONUP}); }

bool MouseMove(HWND window, POINT point)
{
    Window* w = FromHandle(GetCapture() ? GetCapture() : window);
    if (w == nullptr || (GetCapture() == nullptr && !w->accepts_input()))
        return false;
    if (GetCapture() != w->handle)
        w = MouseTarget(w);
    if (GetCapture() == nullptr)
        SendMessage(w->handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(w->handle), MAKELONG(static_cast<WORD>(HTCLIENT), static_cast<WORD>(WM_MOUSEMOVE)));
    if (Window* still = FromHandle(w->handle))
        Deliver(still->handle, WM_MOUSEMOVE, 0, PointParam(point));
    return true;
}

namespace {
bool LeftButton(HWND window, UINT message, POINT point)
{
    Window* w = FromHandle(window);
    if (w == nullptr)
        return false;
    Window* to = FromHandle(GetCapture());
    if (to == nullptr) {
        to = MouseTarget(Accepting(window));
        if (to == nullptr)
            return false;
        SendMessage(to->handle, WM_SETCURSOR, reinterpret_cast<WPARAM>(to->handle), MAKELONG(static_cast<WORD>(HTCLIENT), static_cast<WORD>(message)));
    }
    const CRect from = w->screen_rect();
    const CRect into = to->screen_rect();
    const POINT at{point.x + from.left - into.left, point.y + from.top - into.top};
    if (FromHandle(to->handle) != nullptr)
        Deliver(to->handle, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, PointParam(at));
    return true;
}
}  // namespace

bool LeftButtonDown(HWND window, POINT point) { return LeftButton(window, WM_LBUTTONDOWN, point); }
bool LeftButtonUp(HWND window, POINT point) { return LeftButton(window, WM_LBUTTONUP, point); }

bool Focus(HWND window)
{
    if (Accepting(window) == nullptr)
        return false;
    if (GetFocus() != window)
        SetFocus(window);
    return true;
}

bool TypeText(HWND window, std::string_view text)
{
    if (!Focus(window))
        return false;
    for (char ch : text) {
        if (FromHandle(window) == nullptr)
            return false;
        Deliver(window, WM_CHAR, static_cast<unsigned char>(ch), 1);
    }
    return true;
}

bool PressKey(HWND window, UINT virtual_key)
{
    if (!Focus(window))
        return false;
    Deliver(window, WM_KEYDOWN, virtual_key, 1);
    if (virtual_key == VK_BACK && FromHandle(window))
        Deliver(window, WM_CHAR, '\b', 1);
    if (FromHandle(window))
        Deliver(window, WM_KEYUP, virtual_key, 1);
    return true;
}

bool ClearText(HWND window)
{
    Window* w = Accepting(window);
    if (w == nullptr)
        return false;
    for (std::size_t n = w->text.size(); n > 0 && FromHandle(window); --n)
        PressKey(window, VK_BACK);
    return true;
}

bool SelectText(HWND window, int start, int end)
{
    if (!Focus(window))
        return false;
    if (Window* w = FromHandle(window))
        SelectFieldText(w, start, end);
    return true;
}

bool ReplaceSelection(HWND window, std::string_view text)
{
    if (!Focus(window))
        return false;
    if (Window* w = FromHandle(window))
        ReplaceFieldSelection(w, text);
    return true;
}

bool SelectComboItem(HWND combo, int index)
{
    Window* w = Accepting(combo);
    if (w == nullptr || w->kind != WindowKind::ComboBox || index < 0 || index >= static_cast<int>(w->items.size()))
        return false;
    Focus(combo);
    if (Window* still = FromHandle(combo))
        PickComboItem(still, index);
    return true;
}

namespace {
Window* AcceptingList(HWND list)
{
    Window* w = Accepting(list);
    return w != nullptr && w->kind == WindowKind::ListView ? w : nullptr;
}
}  // namespace

bool ClickListRow(HWND list, int row)
{
    Window* w = AcceptingList(list);
    if (w == nullptr)
        return false;
    fw::ClickListRow(w, row);
    return true;
}

bool DoubleClickListRow(HWND list, int row)
{
    if (!ClickListRow(list, row))
        return false;
    return SecondClickListRow(list, row);
}

bool SecondClickListRow(HWND list, int row)
{
    Window* w = AcceptingList(list);
    if (w == nullptr)
        return false;
    fw::SecondClickListRow(w, row);
    return true;
}

bool SelectTab(HWND sheet, int index)
{
    Window* s = Accepting(sheet);
    Window* tab = s ? FromHandle(GetDlgItem(sheet, static_cast<int>(AFX_IDC_TAB_CONTROL))) : nullptr;
    if (tab == nullptr || index < 0 || index >= static_cast<int>(tab->items.size()))
        return false;
    NMHDR header;
    header.code = TCN_SELCHANGING;
    if (NotifyParent(tab, header) != 0)
        return true;
    tab->cur_sel = index;
    header.code = TCN_SELCHANGE;
    NotifyParent(tab, header);
    return true;
}

bool CloseBox(HWND window)
{
    Window* w = Accepting(window);
    if (w == nullptr || w->parent != nullptr || (w->style & WS_SYSMENU) == 0)
        return false;
    SendMessage(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return true;
}

bool TrayMouse(HWND window, UINT id, UINT mouse_message)
{
    const TrayIcon* icon = FindTrayIcon(window, id);
    if (icon == nullptr || icon->callback_message == 0)
        return false;
    return PostMessage(window, icon->callback_message, id, static_cast<LPARAM>(mouse_message)) != FALSE;
}

}  // namespace fw::input
