#pragma once
// The colours a control is drawn in: its parent answers WM_CTLCOLOR* (and may reflect the
// question to the control itself, as a link control does). Presenters ask on each redraw.

#include "framework/Window.h"

namespace fw {

struct ControlColors {
    COLORREF text = CLR_INVALID;        // CLR_INVALID: the platform's default
    COLORREF background = CLR_INVALID;
    bool transparent = false;           // background mode TRANSPARENT
    HBRUSH brush = nullptr;             // null: the default background
};

ControlColors QueryControlColors(HWND control);

}  // namespace fw
