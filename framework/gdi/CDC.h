#pragma once
// A device context: drawing state over a raster. A memory context draws into the bitmap
// selected in it; any other context draws into a raster its owner attaches.

#include <memory>

#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/CPen.h"
#include "framework/gdi/CPoint.h"
#include "framework/gdi/CRect.h"
#include "framework/gdi/CSize.h"
#include "framework/gdi/GdiTypes.h"

namespace gdi {
class DeviceContext;
class Raster;
} // namespace gdi

class CDC {
public:
    HDC m_hDC = nullptr;

    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    static CDC* FromHandle(HDC handle);

    // A memory context holding a 1 x 1 stock bitmap until one is selected.
    BOOL CreateCompatibleDC(CDC* dc);
    // Draws into a raster the caller owns and keeps alive; creates the context if needed.
    void AttachRaster(gdi::Raster& raster);
    BOOL DeleteDC();
    // The raster drawn on: the selected bitmap's or the attached one; null without a context.
    gdi::Raster* GetRaster() const;

    CPen* SelectObject(CPen* pen);
    CBrush* SelectObject(CBrush* brush);
    CFont* SelectObject(CFont* font);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectStockObject(int index);
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    CBitmap* GetCurrentBitmap() const;

    COLORREF SetTextColor(COLORREF color);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF color);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    UINT SetTextAlign(UINT flags);
    UINT GetTextAlign() const;

    COLORREF SetPixel(int x, int y, COLORREF color);
    COLORREF SetPixel(POINT p, COLORREF color) { return SetPixel(p.x, p.y, color); }
    COLORREF GetPixel(int x, int y) const;
    COLORREF GetPixel(POINT p) const { return GetPixel(p.x, p.y); }

    // Lines leave out their last pixel.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
    CPoint GetCurrentPosition() const;

    void FillRect(LPCRECT rect, CBrush* brush);
    void FillSolidRect(LPCRECT rect, COLORREF color);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
    // Outline in the pen, inside filled with the brush.
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(LPCRECT rect) { return Rectangle(rect->left, rect->top, rect->right, rect->bottom); }

    // Overlapping source and destination in one raster copy as if through a buffer.
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop);
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);

    // UTF-8 text in the selected font.
    BOOL TextOut(int x, int y, LPCSTR text);
    BOOL TextOut(int x, int y, LPCSTR text, int length);
    CSize GetTextExtent(LPCSTR text) const;
    CSize GetTextExtent(LPCSTR text, int length) const;
    BOOL GetTextMetrics(LPTEXTMETRIC metrics) const;

private:
    std::unique_ptr<gdi::DeviceContext> m_context;
};

// Handle-level calls for code that holds a raw device context.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF SetBkColor(HDC dc, COLORREF color);
int SetBkMode(HDC dc, int mode);
