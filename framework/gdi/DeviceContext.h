#pragma once
// The state of one device context and the drawing it does on its raster.

#include <memory>
#include <string_view>

#include "framework/gdi/CRect.h"
#include "framework/gdi/GdiObjectData.h"

class CDC;

namespace gdi {

class FontFace;

class DeviceContext {
public:
    DeviceContext(CDC* owner, bool memory);
    ~DeviceContext();
    DeviceContext(const DeviceContext&) = delete;
    DeviceContext& operator=(const DeviceContext&) = delete;

    static DeviceContext* FromHandle(HDC handle);
    static std::size_t LiveCount();
    HDC Handle() { return reinterpret_cast<HDC>(this); }
    CDC* Owner() const { return m_owner; }
    bool IsMemory() const { return m_memory; }

    void AttachRaster(Raster& raster) { m_attached = &raster; }
    Raster* Surface() const;

    // Returns the handle selected before, null when the object cannot be selected here.
    HGDIOBJ Select(HGDIOBJ handle);
    HGDIOBJ Selected(DWORD kind) const;

    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    UINT textAlign = TA_LEFT | TA_TOP;
    CPoint position;

    void LineTo(int x, int y);
    void FillRect(const RECT& rect, const BrushData& brush);
    void FillSolid(const RECT& rect, COLORREF color);
    void Rectangle(const RECT& rect);
    bool BitBlt(const RECT& destination, const DeviceContext* source, POINT sourceOrigin, DWORD rop);
    void TextOut(int x, int y, std::string_view text);
    CSize TextExtent(std::string_view text) const;
    const FontFace* Face() const;
    const PenData& Pen() const { return *m_pen; }
    const BrushData& Brush() const { return *m_brush; }

private:
    void Plot(Raster& raster, int x, int y, int width, Pixel pixel) const;

    CDC* m_owner;
    bool m_memory;
    Raster* m_attached = nullptr;
    std::shared_ptr<PenData> m_pen;
    std::shared_ptr<BrushData> m_brush;
    std::shared_ptr<FontData> m_font;
    std::shared_ptr<BitmapData> m_bitmap;
};

} // namespace gdi
