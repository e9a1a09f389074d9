// What each kind of window does with a message that nothing else handled.
#include <algorithm>

#include "framework/ControlBehaviour.h"
#include "framework/WinUser.h"
#include "framework/WindowProcedure.h"

namespace fw {

namespace {
constexpr DWORD kButtonTypeMask = 0x000F;

void NotifyFocus(Window* w, bool gained)
{
    switch (w->kind) {
    case WindowKind::Edit: NotifyParent(w, gained ? EN_SETFOCUS : EN_KILLFOCUS); break;
    case WindowKind::ComboBox: NotifyParent(w, gained ? CBN_SETFOCUS : CBN_KILLFOCUS); break;
    case WindowKind::Button:
        if (w->style & BS_NOTIFY)
            NotifyParent(w, gained ? BN_SETFOCUS : BN_KILLFOCUS);
        break;
    case WindowKind::ListView: {
        NMHDR header;
        header.code = gained ? NM_SETFOCUS : NM_KILLFOCUS;
        NotifyParent(w, header);
        break;
    }
    default: break;
    }
}

bool TakesFocusOnClick(const Window* w)
{
    return w->kind == WindowKind::Button || w->kind == WindowKind::Edit || w->kind == WindowKind::ComboBox ||
           w->kind == WindowKind::ListView;
}
}  // namespace

void PressButton(Window* w)
{
    const DWORD type = w->style & kButtonTypeMask;
    if (type == BS_GROUPBOX)
        return;
    if (type == BS_AUTOCHECKBOX) {
        w->check = w->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        Notify(w, Change::Check);
    } else if (type == BS_AUTORADIOBUTTON && w->check != BST_CHECKED) {
        w->check = BST_CHECKED;
        Notify(w, Change::Check);
    }
    NotifyParent(w, BN_CLICKED);
}

LRESULT DefaultProcedure(Window* w, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE:
        if (w->kind == WindowKind::Dialog && !w->is_child())
            SendMessage(w->handle, WM_COMMAND, IDCANCEL, 0);
        else
            DestroyWindow(w->handle);
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE)
            SendMessage(w->handle, WM_CLOSE, 0, 0);
        return 0;
    case WM_NCHITTEST:
        if (w->kind == WindowKind::Static && (w->style & SS_NOTIFY) == 0)
            return HTTRANSPARENT;
        return HTCLIENT;
    case WM_SETCURSOR:
        if (w->parent != nullptr)
            return SendMessage(w->parent->handle, WM_SETCURSOR, wParam, lParam);
        return FALSE;
    case WM_LBUTTONDOWN:
        if (TakesFocusOnClick(w) && GetFocus() != w->handle)
            SetFocus(w->handle);
        return 0;
    case WM_LBUTTONUP:
        if (w->kind == WindowKind::Button)
            PressButton(w);
        else if (w->kind == WindowKind::Static && (w->style & SS_NOTIFY))
            NotifyParent(w, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (w->kind == WindowKind::Button)
            PressButton(w);
        else if (w->kind == WindowKind::Static && (w->style & SS_NOTIFY))
            NotifyParent(w, STN_DBLCLK);
        return 0;
    case WM_KEYDOWN:
        if (w->kind == WindowKind::Button && wParam == VK_SPACE)
            PressButton(w);
        else if (w->kind == WindowKind::Edit || w->kind == WindowKind::ComboBox)
            PressFieldKey(w, static_cast<UINT>(wParam));
        return 0;
    case WM_CHAR:
        if (w->kind == WindowKind::Edit || w->kind == WindowKind::ComboBox)
            TypeIntoField(w, static_cast<char>(wParam));
        return 0;
    case EM_GETSEL:
        if (w->kind != WindowKind::Edit)
            return 0;
        return static_cast<LRESULT>(MAKELONG(static_cast<WORD>(std::min(w->sel_start, w->sel_end)),
                                             static_cast<WORD>(std::max(w->sel_start, w->sel_end))));
    case EM_SETSEL:
        if (w->kind == WindowKind::Edit)
            SelectFieldText(w, static_cast<int>(static_cast<LONG_PTR>(wParam)), static_cast<int>(lParam));
        return 0;
    case EM_REPLACESEL:
        if (w->kind == WindowKind::Edit)
            ReplaceFieldSelection(w, lParam ? reinterpret_cast<LPCSTR>(lParam) : "");
        return 0;
    case WM_SETFOCUS:
        NotifyFocus(w, true);
        return 0;
    case WM_KILLFOCUS:
        NotifyFocus(w, false);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_INITDIALOG:
        return TRUE;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(w->font);
    case WM_SETFONT:
        w->font = reinterpret_cast<HFONT>(wParam);
        return 0;
    case WM_SETTEXT:
        return SetWindowText(w->handle, reinterpret_cast<LPCSTR>(lParam));
    case WM_GETTEXT:
        return GetWindowText(w->handle, reinterpret_cast<LPSTR>(lParam), static_cast<int>(wParam));
    default:
        return 0;
    }
}

}  // namespace fw
