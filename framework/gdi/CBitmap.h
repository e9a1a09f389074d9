#pragma once

#include "framework/gdi/CGdiObject.h"
#include "framework/gdi/CSize.h"

class CDC;
namespace gdi {
class Raster;
}

// A 32-bit picture; new bitmaps are black.
class CBitmap : public CGdiObject {
public:
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    BOOL CreateBitmap(int width, int height);
    CSize GetSize() const;
    // The pixels, for export and display; null without a bitmap.
    gdi::Raster* GetRaster() const;

    operator HBITMAP() const { return reinterpret_cast<HBITMAP>(m_hObject); }
    static CBitmap* FromHandle(HBITMAP handle);
};
