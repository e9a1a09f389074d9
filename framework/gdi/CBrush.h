#pragma once

#include "framework/gdi/CGdiObject.h"

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF color) { CreateSolidBrush(color); }

    BOOL CreateSolidBrush(COLORREF color);
    operator HBRUSH() const { return reinterpret_cast<HBRUSH>(m_hObject); }
    static CBrush* FromHandle(HBRUSH handle);
};

HBRUSH CreateSolidBrush(COLORREF color);
