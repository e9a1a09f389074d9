#pragma once
// Window classes of the program's own windows (the owner-drawn ones).

#include "framework/Messages.h"

// A class name for windows with these class attributes; the same attributes give the same
// name, which stays valid for the rest of the process. Its windows are drawn by their owner.
LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = nullptr, HBRUSH background = nullptr, HICON icon = nullptr);
