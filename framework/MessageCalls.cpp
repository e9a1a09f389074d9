// Sending, posting and dispatching messages; timers; focus, capture and the foreground window.
#include "framework/MessageLoop.h"
#include "framework/WinUser.h"
#include "framework/WindowProcedure.h"
#include "platform/Time.h"

using fw::Window;

namespace {
HWND g_focus = nullptr;
HWND g_capture = nullptr;
HWND g_foreground = nullptr;
}  // namespace

LRESULT SendMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* w = fw::FromHandle(handle);
    return w ? fw::CallProcedure(w, message, wParam, lParam) : 0;
}

BOOL PostMessage(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (handle != nullptr && fw::FromHandle(handle) == nullptr)
        return FALSE;
    MSG msg;
    msg.hwnd = handle;
    msg.message = message;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.time = GetTickCount();
    fw::MessageLoop::instance().post(msg);
    return TRUE;
}

void PostQuitMessage(int exitCode) { fw::MessageLoop::instance().post_quit(exitCode); }

BOOL GetMessage(MSG* msg, HWND, UINT, UINT) { return fw::MessageLoop::instance().get(*msg) ? TRUE : FALSE; }

BOOL PeekMessage(MSG* msg, HWND, UINT, UINT, UINT removeFlags)
{
    return fw::MessageLoop::instance().peek(*msg, (removeFlags & PM_REMOVE) != 0) ? TRUE : FALSE;
}

LRESULT DispatchMessage(const MSG* msg)
{
    Window* w = fw::FromHandle(msg->hwnd);
    if (w == nullptr)
        return 0;
    if (msg->message == WM_PAINT) {
        if (!w->needs_paint)
            return 0;
        const LRESULT result = fw::CallProcedure(w, WM_PAINT, 0, 0);
        if (Window* still = fw::FromHandle(msg->hwnd)) {
            still->needs_paint = false;
            fw::Notify(still, fw::Change::Invalidated);
        }
        return result;
    }
    return fw::CallProcedure(w, msg->message, msg->wParam, msg->lParam);
}

UINT_PTR SetTimer(HWND handle, UINT_PTR id, UINT elapseMs, void*)
{
    if (handle != nullptr && fw::FromHandle(handle) == nullptr)
        return 0;
    return fw::MessageLoop::instance().timers().set(handle, id, elapseMs, GetTickCount64());
}

BOOL KillTimer(HWND handle, UINT_PTR id) { return fw::MessageLoop::instance().timers().kill(handle, id) ? TRUE : FALSE; }

HWND SetFocus(HWND handle)
{
    if (handle != nullptr && fw::FromHandle(handle) == nullptr)
        return nullptr;
    HWND before = g_focus;
    if (before == handle)
        return before;
    g_focus = handle;
    if (fw::FromHandle(before))
        SendMessage(before, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    if (g_focus == handle && handle != nullptr)
        SendMessage(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(before), 0);
    if (fw::Presenter* p = fw::CurrentPresenter())
        p->focus_changed(g_focus);
    return fw::FromHandle(before) ? before : nullptr;
}

HWND GetFocus() { return fw::FromHandle(g_focus) ? g_focus : nullptr; }

HWND SetCapture(HWND handle)
{
    HWND before = GetCapture();
    g_capture = fw::FromHandle(handle) ? handle : nullptr;
    return before;
}

BOOL ReleaseCapture()
{
    g_capture = nullptr;
    return TRUE;
}

HWND GetCapture() { return fw::FromHandle(g_capture) ? g_capture : nullptr; }

BOOL SetForegroundWindow(HWND handle)
{
    Window* w = fw::FromHandle(handle);
    if (w == nullptr)
        return FALSE;
    g_foreground = w->top_level()->handle;
    if (fw::Presenter* p = fw::CurrentPresenter())
        p->foreground_changed(g_foreground);
    return TRUE;
}

HWND GetForegroundWindow() { return fw::FromHandle(g_foreground) ? g_foreground : nullptr; }
