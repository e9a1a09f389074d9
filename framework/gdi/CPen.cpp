#include "framework/gdi/CPen.h"

#include "framework/gdi/ObjectTable.h"

BOOL CPen::CreatePen(int style, int width, COLORREF color)
{
    if (m_hObject)
        return FALSE;
    m_hObject = gdi::ObjectTable::Instance().Add(std::make_shared<gdi::PenData>(style, width < 0 ? 0 : width, color), this);
    return TRUE;
}

CPen* CPen::FromHandle(HPEN handle)
{
    return dynamic_cast<CPen*>(CGdiObject::FromHandle(reinterpret_cast<HGDIOBJ>(handle)));
}

HPEN CreatePen(int style, int width, COLORREF color)
{
    auto pen = std::make_shared<gdi::PenData>(style, width < 0 ? 0 : width, color);
    return reinterpret_cast<HPEN>(gdi::ObjectTable::Instance().Add(std::move(pen), nullptr));
}
