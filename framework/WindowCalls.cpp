// Window attributes: text, enable and show state, ids, styles, rectangles, placement.
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "framework/ControlBehaviour.h"
#include "framework/MessageLoop.h"
#include "framework/WinUser.h"
#include "framework/WindowProcedure.h"

using fw::Change;
using fw::Window;

namespace {
int CopyText(const std::string& text, LPSTR buffer, int size)
{
    if (buffer == nullptr || size <= 0)
        return 0;
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}
}  // namespace

BOOL SetWindowText(HWND handle, LPCSTR text)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr)
        return FALSE;
    std::string value = text ? text : "";
    if (w->kind == fw::WindowKind::ComboBox && (w->style & 0x3) == CBS_DROPDOWNLIST) {
        auto it = std::find(w->items.begin(), w->items.end(), value);
        if (it == w->items.end())
            return FALSE;
        w->cur_sel = static_cast<int>(it - w->items.begin());
        fw::Notify(w, Change::Selection);
        return TRUE;
    }
    if (w->text == value)
        return TRUE;
    w->text = std::move(value);
    fw::PlaceCaretAtEnd(w);
    fw::Notify(w, Change::Text);
    return TRUE;
}

int GetWindowText(HWND handle, LPSTR buffer, int size)
{
    Window* w = fw::FromHandle(handle);
    return w ? CopyText(fw::TextOf(w), buffer, size) : 0;
}

int GetWindowTextLength(HWND handle)
{
    Window* w = fw::FromHandle(handle);
    return w ? static_cast<int>(fw::TextOf(w).size()) : 0;
}

BOOL EnableWindow(HWND handle, BOOL enable)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr)
        return FALSE;
    const BOOL was_disabled = !w->enabled();
    if (was_disabled == !enable)
        return was_disabled;
    if (enable) {
        w->style &= ~WS_DISABLED;
    } else {
        w->style |= WS_DISABLED;
        if (GetFocus() == handle)
            SetFocus(nullptr);
    }
    fw::CallProcedure(w, WM_ENABLE, static_cast<WPARAM>(enable != FALSE), 0);
    fw::Notify(w, Change::Enabled);
    return was_disabled;
}

BOOL IsWindowEnabled(HWND handle)
{
    Window* w = fw::FromHandle(handle);
    return w && w->enabled();
}

BOOL ShowWindow(HWND handle, int command)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr)
        return FALSE;
    const BOOL was_visible = w->visible();
    const bool show = command != SW_HIDE;
    w->show_command = command;
    if (show == static_cast<bool>(was_visible))
        return was_visible;
    if (show) {
        w->style |= WS_VISIBLE;
    } else {
        w->style &= ~WS_VISIBLE;
        if (HWND focus = GetFocus()) {
            for (Window* f = fw::FromHandle(focus); f != nullptr; f = f->parent)
                if (f == w) {
                    SetFocus(nullptr);
                    break;
                }
        }
    }
    fw::CallProcedure(w, WM_SHOWWINDOW, static_cast<WPARAM>(show), 0);
    fw::Notify(w, Change::Shown);
    return was_visible;
}

BOOL IsWindowVisible(HWND handle)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr)
        return FALSE;
    for (; w != nullptr; w = w->parent)
        if (!w->visible())
            return FALSE;
    return TRUE;
}

HWND GetParent(HWND handle)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr)
        return nullptr;
    if (w->parent)
        return w->parent->handle;
    return w->owner ? w->owner->handle : nullptr;
}

HWND GetDlgItem(HWND dialog, int id)
{
    Window* w = fw::FromHandle(dialog);
    if (w == nullptr)
        return nullptr;
    for (Window* child : w->children)
        if (child->id == id)
            return child->handle;
    return nullptr;
}

int GetDlgCtrlID(HWND handle)
{
    Window* w = fw::FromHandle(handle);
    return w ? w->id : 0;
}

BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text) { return SetWindowText(GetDlgItem(dialog, id), text); }

UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int size)
{
    return static_cast<UINT>(GetWindowText(GetDlgItem(dialog, id), buffer, size));
}

BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned)
{
    char text[16];
    if (isSigned)
        std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    else
        std::snprintf(text, sizeof text, "%u", value);
    return SetDlgItemText(dialog, id, text);
}

UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned)
{
    if (translated)
        *translated = FALSE;
    Window* w = fw::FromHandle(GetDlgItem(dialog, id));
    if (w == nullptr)
        return 0;
    const std::string text = fw::TextOf(w);
    const char* begin = text.c_str();
    while (*begin == ' ')
        ++begin;
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 10);
    while (end && *end == ' ')
        ++end;
    if (end == begin || *end != '\0' || errno != 0 || (!isSigned && (value < 0 || value > 0xFFFFFFFFLL)) ||
        (isSigned && (value < INT32_MIN || value > INT32_MAX)))
        return 0;
    if (translated)
        *translated = TRUE;
    return static_cast<UINT>(value);
}

BOOL CheckDlgButton(HWND dialog, int id, UINT check)
{
    Window* w = fw::FromHandle(GetDlgItem(dialog, id));
    if (w == nullptr)
        return FALSE;
    if (w->check != static_cast<int>(check)) {
        w->check = static_cast<int>(check);
        fw::Notify(w, Change::Check);
    }
    return TRUE;
}

UINT IsDlgButtonChecked(HWND dialog, int id)
{
    Window* w = fw::FromHandle(GetDlgItem(dialog, id));
    return w ? static_cast<UINT>(w->check) : 0;
}

LONG_PTR GetWindowLongPtr(HWND handle, int index)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr)
        return 0;
    switch (index) {
    case GWL_STYLE: return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG_PTR>(w->ex_style);
    case GWLP_ID: return w->id;
    case GWLP_USERDATA: return w->user_data;
    case DWLP_MSGRESULT: return w->dialog_result;
    case DWLP_USER: return w->dialog_user;
    default: return 0;
    }
}

LONG_PTR SetWindowLongPtr(HWND handle, int index, LONG_PTR value)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr)
        return 0;
    const LONG_PTR before = GetWindowLongPtr(handle, index);
    switch (index) {
    case GWL_STYLE: {
        const DWORD old_style = w->style;
        w->style = static_cast<DWORD>(value);
        if ((old_style ^ w->style) & WS_VISIBLE)
            fw::Notify(w, Change::Shown);
        if ((old_style ^ w->style) & WS_DISABLED)
            fw::Notify(w, Change::Enabled);
        if (w->kind == fw::WindowKind::Edit && ((old_style ^ w->style) & ES_READONLY))
            fw::Notify(w, Change::ReadOnly);
        break;
    }
    case GWL_EXSTYLE: w->ex_style = static_cast<DWORD>(value); break;
    case GWLP_ID: w->id = static_cast<int>(value); break;
    case GWLP_USERDATA: w->user_data = value; break;
    case DWLP_MSGRESULT: w->dialog_result = value; break;
    case DWLP_USER: w->dialog_user = value; break;
    default: break;
    }
    return before;
}

BOOL GetWindowRect(HWND handle, LPRECT rect)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr || rect == nullptr)
        return FALSE;
    *rect = w->screen_rect();
    return TRUE;
}

BOOL GetClientRect(HWND handle, LPRECT rect)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr || rect == nullptr)
        return FALSE;
    *rect = w->client_rect();
    return TRUE;
}

BOOL MoveWindow(HWND handle, int x, int y, int width, int height, BOOL repaint)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr)
        return FALSE;
    const CRect before = w->rect;
    w->rect = CRect(x, y, x + width, y + height);
    if (before == w->rect)
        return TRUE;
    fw::Notify(w, Change::Rect);
    if (before.Width() != width || before.Height() != height)
        fw::CallProcedure(w, WM_SIZE, SIZE_RESTORED, static_cast<LPARAM>(MAKELONG(static_cast<WORD>(width), static_cast<WORD>(height))));
    if (repaint)
        InvalidateRect(handle, nullptr, TRUE);
    return TRUE;
}

BOOL ScreenToClient(HWND handle, LPPOINT point)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr || point == nullptr)
        return FALSE;
    const CRect r = w->screen_rect();
    point->x -= r.left;
    point->y -= r.top;
    return TRUE;
}

BOOL ClientToScreen(HWND handle, LPPOINT point)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr || point == nullptr)
        return FALSE;
    const CRect r = w->screen_rect();
    point->x += r.left;
    point->y += r.top;
    return TRUE;
}

BOOL GetWindowPlacement(HWND handle, WINDOWPLACEMENT* placement)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr || placement == nullptr)
        return FALSE;
    placement->length = sizeof(WINDOWPLACEMENT);
    placement->flags = 0;
    placement->showCmd = static_cast<UINT>(w->show_command == SW_SHOWMINIMIZED ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
    placement->ptMinPosition = POINT{-1, -1};
    placement->ptMaxPosition = POINT{-1, -1};
    placement->rcNormalPosition = w->rect;
    return TRUE;
}

BOOL SetWindowPlacement(HWND handle, const WINDOWPLACEMENT* placement)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr || placement == nullptr)
        return FALSE;
    const CRect r(placement->rcNormalPosition);
    MoveWindow(handle, r.left, r.top, r.Width(), r.Height(), TRUE);
    if (w->visible() || placement->showCmd != SW_SHOWNORMAL)
        ShowWindow(handle, static_cast<int>(placement->showCmd));
    return TRUE;
}

BOOL InvalidateRect(HWND handle, LPCRECT, BOOL)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr)
        return FALSE;
    if (w->kind == fw::WindowKind::Generic || w->kind == fw::WindowKind::Frame) {
        w->needs_paint = true;
        fw::MessageLoop::instance().invalidate(handle);
    } else {
        fw::Notify(w, Change::Invalidated);
    }
    return TRUE;
}

BOOL UpdateWindow(HWND handle)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr)
        return FALSE;
    if (w->needs_paint) {
        fw::CallProcedure(w, WM_PAINT, 0, 0);
        w->needs_paint = false;
        fw::Notify(w, Change::Invalidated);
    }
    return TRUE;
}
