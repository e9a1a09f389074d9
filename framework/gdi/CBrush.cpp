#include "framework/gdi/CBrush.h"

#include "framework/gdi/ObjectTable.h"

BOOL CBrush::CreateSolidBrush(COLORREF color)
{
    if (m_hObject)
        return FALSE;
    m_hObject = gdi::ObjectTable::Instance().Add(std::make_shared<gdi::BrushData>(BS_SOLID, color), this);
    return TRUE;
}

CBrush* CBrush::FromHandle(HBRUSH handle)
{
    return dynamic_cast<CBrush*>(CGdiObject::FromHandle(reinterpret_cast<HGDIOBJ>(handle)));
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    auto brush = std::make_shared<gdi::BrushData>(BS_SOLID, color);
    return reinterpret_cast<HBRUSH>(gdi::ObjectTable::Instance().Add(std::move(brush), nullptr));
}
