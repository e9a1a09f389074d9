#include "framework/ControlColors.h"

#include "framework/WinUser.h"
#include "framework/gdi/CDC.h"

namespace fw {

ControlColors QueryControlColors(HWND control)
{
    ControlColors colors;
    Window* w = FromHandle(control);
    if (w == nullptr || w->parent == nullptr)
        return colors;
    UINT message = WM_CTLCOLORSTATIC;
    if (w->kind == WindowKind::Edit && !w->read_only())
        message = WM_CTLCOLOREDIT;
    else if (w->kind == WindowKind::Button)
        message = WM_CTLCOLORBTN;
    // The answer is read from the context's state, so it starts from recognisable defaults.
    gdi::Raster scratch(1, 1);
    CDC dc;
    dc.AttachRaster(scratch);
    constexpr COLORREF kUnset = 0xFFFFFE;
    dc.SetTextColor(kUnset);
    dc.SetBkColor(kUnset);
    dc.SetBkMode(OPAQUE);
    colors.brush = reinterpret_cast<HBRUSH>(
        SendMessage(w->parent->handle, message, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), reinterpret_cast<LPARAM>(control)));
    colors.text = dc.GetTextColor() == kUnset ? CLR_INVALID : dc.GetTextColor();
    colors.background = dc.GetBkColor() == kUnset ? CLR_INVALID : dc.GetBkColor();
    colors.transparent = dc.GetBkMode() == TRANSPARENT;
    return colors;
}

}  // namespace fw
