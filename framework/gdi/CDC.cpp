#include "framework/gdi/CDC.h"

#include <cstring>
#include <utility>

#include "framework/gdi/DeviceContext.h"
#include "framework/gdi/FontFace.h"
#include "framework/gdi/ObjectTable.h"

using gdi::DeviceContext;

namespace {

template <class Wrapper>
Wrapper* Previous(HGDIOBJ handle)
{
    return dynamic_cast<Wrapper*>(CGdiObject::FromHandle(handle));
}

std::size_t Length(LPCSTR text)
{
    return text ? std::strlen(text) : 0;
}

} // namespace

CDC::CDC() = default;

CDC::~CDC()
{
    DeleteDC();
}

CDC* CDC::FromHandle(HDC handle)
{
    DeviceContext* context = DeviceContext::FromHandle(handle);
    return context ? context->Owner() : nullptr;
}

BOOL CDC::CreateCompatibleDC(CDC* /*dc*/)
{
    if (m_context)
        return FALSE;
    m_context = std::make_unique<DeviceContext>(this, true);
    m_hDC = m_context->Handle();
    return TRUE;
}

void CDC::AttachRaster(gdi::Raster& raster)
{
    if (!m_context) {
        m_context = std::make_unique<DeviceContext>(this, false);
        m_hDC = m_context->Handle();
    }
    m_context->AttachRaster(raster);
}

BOOL CDC::DeleteDC()
{
    if (!m_context)
        return FALSE;
    m_context.reset();
    m_hDC = nullptr;
    return TRUE;
}

gdi::Raster* CDC::GetRaster() const
{
    return m_context ? m_context->Surface() : nullptr;
}

CPen* CDC::SelectObject(CPen* pen)
{
    return m_context && pen ? Previous<CPen>(m_context->Select(pen->m_hObject)) : nullptr;
}

CBrush* CDC::SelectObject(CBrush* brush)
{
    return m_context && brush ? Previous<CBrush>(m_context->Select(brush->m_hObject)) : nullptr;
}

CFont* CDC::SelectObject(CFont* font)
{
    return m_context && font ? Previous<CFont>(m_context->Select(font->m_hObject)) : nullptr;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap)
{
    return m_context && bitmap ? Previous<CBitmap>(m_context->Select(bitmap->m_hObject)) : nullptr;
}

CGdiObject* CDC::SelectStockObject(int index)
{
    return m_context ? CGdiObject::FromHandle(m_context->Select(::GetStockObject(index))) : nullptr;
}

CPen* CDC::GetCurrentPen() const
{
    return m_context ? Previous<CPen>(m_context->Selected(OBJ_PEN)) : nullptr;
}

CBrush* CDC::GetCurrentBrush() const
{
    return m_context ? Previous<CBrush>(m_context->Selected(OBJ_BRUSH)) : nullptr;
}

CFont* CDC::GetCurrentFont() const
{
    return m_context ? Previous<CFont>(m_context->Selected(OBJ_FONT)) : nullptr;
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return m_context ? Previous<CBitmap>(m_context->Selected(OBJ_BITMAP)) : nullptr;
}

COLORREF CDC::SetTextColor(COLORREF color)
{
    return m_context ? std::exchange(m_context->textColor, color) : CLR_INVALID;
}

COLORREF CDC::GetTextColor() const
{
    return m_context ? m_context->textColor : CLR_INVALID;
}

COLORREF CDC::SetBkColor(COLORREF color)
{
    return m_context ? std::exchange(m_context->bkColor, color) : CLR_INVALID;
}

COLORREF CDC::GetBkColor() const
{
    return m_context ? m_context->bkColor : CLR_INVALID;
}

int CDC::SetBkMode(int mode)
{
    if (!m_context || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    return std::exchange(m_context->bkMode, mode);
}

int CDC::GetBkMode() const
{
    return m_context ? m_context->bkMode : 0;
}

UINT CDC::SetTextAlign(UINT flags)
{
    return m_context ? std::exchange(m_context->textAlign, flags) : GDI_ERROR;
}

UINT CDC::GetTextAlign() const
{
    return m_context ? m_context->textAlign : GDI_ERROR;
}

COLORREF CDC::SetPixel(int x, int y, COLORREF color)
{
    gdi::Raster* raster = GetRaster();
    if (!raster || !raster->Contains(x, y))
        return CLR_INVALID;
    raster->Set(x, y, gdi::ToPixel(color));
    return color & 0xFFFFFF;
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const gdi::Raster* raster = GetRaster();
    if (!raster || !raster->Contains(x, y))
        return CLR_INVALID;
    return gdi::ToColorRef(raster->At(x, y));
}

CPoint CDC::MoveTo(int x, int y)
{
    return m_context ? std::exchange(m_context->position, CPoint(x, y)) : CPoint();
}

BOOL CDC::LineTo(int x, int y)
{
    if (!m_context)
        return FALSE;
    m_context->LineTo(x, y);
    return TRUE;
}

CPoint CDC::GetCurrentPosition() const
{
    return m_context ? m_context->position : CPoint();
}

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    if (!m_context || !rect || !brush)
        return;
    auto data = gdi::ObjectTable::Instance().FindAs<gdi::BrushData>(brush->m_hObject, OBJ_BRUSH);
    if (data)
        m_context->FillRect(*rect, *data);
}

// Leaves the background colour set to the fill colour, as the framework always has.
void CDC::FillSolidRect(LPCRECT rect, COLORREF color)
{
    if (!m_context || !rect)
        return;
    m_context->bkColor = color;
    m_context->FillSolid(*rect, color);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color)
{
    const CRect rect(x, y, x + cx, y + cy);
    FillSolidRect(&rect, color);
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    if (!m_context)
        return FALSE;
    m_context->Rectangle(RECT{left, top, right, bottom});
    return TRUE;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop)
{
    if (!m_context)
        return FALSE;
    const DeviceContext* from = source ? source->m_context.get() : nullptr;
    return m_context->BitBlt(RECT{x, y, x + width, y + height}, from, POINT{xSource, ySource}, rop) ? TRUE : FALSE;
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop)
{
    if (!m_context)
        return FALSE;
    return m_context->BitBlt(RECT{x, y, x + width, y + height}, nullptr, POINT{}, rop) ? TRUE : FALSE;
}

BOOL CDC::TextOut(int x, int y, LPCSTR text)
{
    return TextOut(x, y, text, static_cast<int>(Length(text)));
}

BOOL CDC::TextOut(int x, int y, LPCSTR text, int length)
{
    if (!m_context || length < 0 || (length > 0 && !text))
        return FALSE;
    m_context->TextOut(x, y, std::string_view(text ? text : "", static_cast<std::size_t>(length)));
    return TRUE;
}

CSize CDC::GetTextExtent(LPCSTR text) const
{
    return GetTextExtent(text, static_cast<int>(Length(text)));
}

CSize CDC::GetTextExtent(LPCSTR text, int length) const
{
    if (!m_context || length <= 0 || !text)
        return m_context ? CSize(0, m_context->TextExtent("").cy) : CSize();
    return m_context->TextExtent(std::string_view(text, static_cast<std::size_t>(length)));
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC metrics) const
{
    if (!m_context || !metrics)
        return FALSE;
    *metrics = TEXTMETRIC{};
    const gdi::FontFace* face = m_context->Face();
    if (!face)
        return FALSE;
    auto font = gdi::ObjectTable::Instance().FindAs<gdi::FontData>(m_context->Selected(OBJ_FONT), OBJ_FONT);
    metrics->tmAscent = face->Ascent();
    metrics->tmDescent = face->Descent();
    metrics->tmHeight = face->Ascent() + face->Descent();
    metrics->tmInternalLeading = face->InternalLeading();
    metrics->tmAveCharWidth = face->AverageWidth();
    metrics->tmMaxCharWidth = face->MaximumWidth();
    if (font) {
        metrics->tmWeight = font->logFont.lfWeight == FW_DONTCARE ? FW_NORMAL : font->logFont.lfWeight;
        metrics->tmItalic = font->logFont.lfItalic;
        metrics->tmUnderlined = font->logFont.lfUnderline;
        metrics->tmStruckOut = font->logFont.lfStrikeOut;
        metrics->tmCharSet = font->logFont.lfCharSet;
    }
    return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
    DeviceContext* context = DeviceContext::FromHandle(dc);
    return context ? context->Select(object) : nullptr;
}

COLORREF SetTextColor(HDC dc, COLORREF color)
{
    CDC* owner = CDC::FromHandle(dc);
    return owner ? owner->SetTextColor(color) : CLR_INVALID;
}

COLORREF SetBkColor(HDC dc, COLORREF color)
{
    CDC* owner = CDC::FromHandle(dc);
    return owner ? owner->SetBkColor(color) : CLR_INVALID;
}

int SetBkMode(HDC dc, int mode)
{
    CDC* owner = CDC::FromHandle(dc);
    return owner ? owner->SetBkMode(mode) : 0;
}
