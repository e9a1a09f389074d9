#pragma once
// The platform's window calls on raw handles, as the plain dialog-procedure path and the
// framework's classes use them.

#include <cstdint>

#include "framework/Messages.h"

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
BOOL PostMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
void PostQuitMessage(int exitCode);
BOOL GetMessage(MSG* msg, HWND window, UINT filterMin, UINT filterMax);
BOOL PeekMessage(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags);
LRESULT DispatchMessage(const MSG* msg);
constexpr UINT PM_NOREMOVE = 0;
constexpr UINT PM_REMOVE = 1;

HWND CreateWindowEx(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menuOrId, HINSTANCE instance, LPVOID param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
LRESULT DefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

BOOL SetWindowText(HWND window, LPCSTR text);
int GetWindowText(HWND window, LPSTR buffer, int size);
int GetWindowTextLength(HWND window);
BOOL EnableWindow(HWND window, BOOL enable);
BOOL IsWindowEnabled(HWND window);
BOOL ShowWindow(HWND window, int command);
BOOL IsWindowVisible(HWND window);
HWND GetParent(HWND window);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
BOOL SetDlgItemText(HWND dialog, int id, LPCSTR text);
UINT GetDlgItemText(HWND dialog, int id, LPSTR buffer, int size);
BOOL SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned);
UINT GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned);
BOOL CheckDlgButton(HWND dialog, int id, UINT check);
UINT IsDlgButtonChecked(HWND dialog, int id);

constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
constexpr int GWLP_ID = -12;
constexpr int GWLP_USERDATA = -21;
constexpr int DWLP_MSGRESULT = 0;
constexpr int DWLP_USER = 16;
LONG_PTR GetWindowLongPtr(HWND window, int index);
LONG_PTR SetWindowLongPtr(HWND window, int index, LONG_PTR value);

BOOL GetWindowRect(HWND window, LPRECT rect);
BOOL GetClientRect(HWND window, LPRECT rect);
BOOL MoveWindow(HWND window, int x, int y, int width, int height, BOOL repaint);
BOOL ScreenToClient(HWND window, LPPOINT point);
BOOL ClientToScreen(HWND window, LPPOINT point);
BOOL GetWindowPlacement(HWND window, WINDOWPLACEMENT* placement);
BOOL SetWindowPlacement(HWND window, const WINDOWPLACEMENT* placement);
BOOL InvalidateRect(HWND window, LPCRECT rect, BOOL erase);
BOOL UpdateWindow(HWND window);

HWND SetFocus(HWND window);
HWND GetFocus();
HWND SetCapture(HWND window);
BOOL ReleaseCapture();
HWND GetCapture();
BOOL SetForegroundWindow(HWND window);
HWND GetForegroundWindow();
HWND FindWindow(LPCSTR className, LPCSTR windowName);

UINT_PTR SetTimer(HWND window, UINT_PTR id, UINT elapseMs, void* timerProc);
BOOL KillTimer(HWND window, UINT_PTR id);

// Lets the windows a queued message passes (the target up to its top-level window) see it
// before it is dispatched; true when one of them consumed it.
bool PreTranslateMessage(const MSG& msg);
