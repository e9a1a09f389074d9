#pragma once

#include "framework/gdi/CGdiObject.h"

// Width 0 and 1 draw one pixel; wider pens draw a square nib of that size.
class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }

    BOOL CreatePen(int style, int width, COLORREF color);
    operator HPEN() const { return reinterpret_cast<HPEN>(m_hObject); }
    static CPen* FromHandle(HPEN handle);
};

HPEN CreatePen(int style, int width, COLORREF color);
