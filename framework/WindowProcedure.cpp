#include "framework/WindowProcedure.h"

#include "framework/CWnd.h"
#include "framework/ModuleState.h"
#include "framework/WinUser.h"

namespace fw {

LRESULT CallProcedure(Window* w, UINT message, WPARAM wParam, LPARAM lParam)
{
    AFX_MANAGE_STATE(w->module);
    if (w->object != nullptr)
        return w->object->WindowProc(message, wParam, lParam);
    return CallOriginalProcedure(w, message, wParam, lParam);
}

LRESULT CallOriginalProcedure(Window* w, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (w->dialog_proc == nullptr)
        return DefaultProcedure(w, message, wParam, lParam);
    HWND handle = w->handle;
    w->dialog_result = 0;
    const LRESULT handled = w->dialog_proc(handle, message, wParam, lParam);
    Window* still = FromHandle(handle);
    if (still == nullptr)
        return handled;
    // These answers are the procedure's own result rather than a handled flag.
    if (message == WM_INITDIALOG || (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC))
        return handled;
    if (handled)
        return still->dialog_result;
    return DefaultProcedure(still, message, wParam, lParam);
}

void NotifyParent(Window* control, UINT code)
{
    Window* parent = control->parent ? control->parent : control->owner;
    if (parent == nullptr)
        return;
    SendMessage(parent->handle, WM_COMMAND, MAKELONG(static_cast<WORD>(control->id), static_cast<WORD>(code)),
                reinterpret_cast<LPARAM>(control->handle));
}

LRESULT NotifyParent(Window* control, NMHDR& header)
{
    Window* parent = control->parent ? control->parent : control->owner;
    if (parent == nullptr)
        return 0;
    header.hwndFrom = control->handle;
    header.idFrom = static_cast<UINT_PTR>(control->id);
    return SendMessage(parent->handle, WM_NOTIFY, static_cast<WPARAM>(control->id), reinterpret_cast<LPARAM>(&header));
}

}  // namespace fw
