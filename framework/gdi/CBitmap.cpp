#include "framework/gdi/CBitmap.h"

#include "framework/gdi/ObjectTable.h"

BOOL CBitmap::CreateCompatibleBitmap(CDC* /*dc*/, int width, int height)
{
    // Every context here is 32-bit, so the context does not change the format.
    return CreateBitmap(width, height);
}

BOOL CBitmap::CreateBitmap(int width, int height)
{
    if (m_hObject || width < 0 || height < 0)
        return FALSE;
    m_hObject = gdi::ObjectTable::Instance().Add(std::make_shared<gdi::BitmapData>(width, height), this);
    return TRUE;
}

CSize CBitmap::GetSize() const
{
    const gdi::Raster* raster = GetRaster();
    return raster ? CSize(raster->Width(), raster->Height()) : CSize();
}

gdi::Raster* CBitmap::GetRaster() const
{
    auto bitmap = gdi::ObjectTable::Instance().FindAs<gdi::BitmapData>(m_hObject, OBJ_BITMAP);
    // The table or a context keeps the bitmap alive while this wrapper holds its handle.
    return bitmap ? &bitmap->raster : nullptr;
}

CBitmap* CBitmap::FromHandle(HBITMAP handle)
{
    return dynamic_cast<CBitmap*>(CGdiObject::FromHandle(reinterpret_cast<HGDIOBJ>(handle)));
}
