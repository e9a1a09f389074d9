#pragma once
// The notification-area icons of the program's windows.

#include <cstdint>
#include <vector>

#include "framework/Presenter.h"

constexpr DWORD NIM_ADD = 0;
constexpr DWORD NIM_MODIFY = 1;
constexpr DWORD NIM_DELETE = 2;
constexpr UINT NIF_MESSAGE = 0x1;
constexpr UINT NIF_ICON = 0x2;
constexpr UINT NIF_TIP = 0x4;

struct NOTIFYICONDATA {
    DWORD cbSize = 0;
    HWND hWnd = nullptr;
    UINT uID = 0;
    UINT uFlags = 0;
    UINT uCallbackMessage = 0;
    HICON hIcon = nullptr;
    CHAR szTip[64] = {};
};
using NOTIFYICONDATAA = NOTIFYICONDATA;
using PNOTIFYICONDATA = NOTIFYICONDATA*;
// The record's size in the platform's first, 32-bit layout, which callers put in cbSize.
constexpr DWORD NOTIFYICONDATA_V1_SIZE = 88;

// Adds, changes or removes the icon of (hWnd, uID). Fails for an unknown size, a window that
// is not there, adding an icon twice, or changing or removing one that is not there. A tip
// is read up to its terminating zero or the end of szTip, whichever comes first.
BOOL Shell_NotifyIconA(DWORD message, PNOTIFYICONDATA data);
inline BOOL Shell_NotifyIcon(DWORD message, PNOTIFYICONDATA data) { return Shell_NotifyIconA(message, data); }

namespace fw {

const std::vector<TrayIcon>& TrayIcons();
// The icon of (window, id), or null.
const TrayIcon* FindTrayIcon(HWND window, UINT id);
void ResetTrayIcons();

}  // namespace fw
