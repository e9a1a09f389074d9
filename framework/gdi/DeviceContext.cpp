#include "framework/gdi/DeviceContext.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_set>
#include <vector>

#include "framework/gdi/FontFace.h"
#include "framework/gdi/ObjectTable.h"
#include "framework/gdi/Utf8.h"

namespace gdi {

namespace {

std::mutex g_liveMutex;
std::unordered_set<const DeviceContext*> g_live;

template <class T>
std::shared_ptr<T> Stock(int index, DWORD kind)
{
    auto& table = ObjectTable::Instance();
    return table.FindAs<T>(table.Stock(index), kind);
}

bool NeedsSource(DWORD rop)
{
    return rop == SRCCOPY || rop == SRCPAINT || rop == SRCAND || rop == SRCINVERT;
}

// Four pixels at a time, in one vector register: painting a strip chart combines whole
// layers for every new value. Source and destination never overlap here.
using PixelBlock = Pixel __attribute__((vector_size(4 * sizeof(Pixel))));
constexpr int kBlockPixels = 4;

template <class Operation>
void CombineRow(const Pixel* in, Pixel* out, int width, Operation operation)
{
    int x = 0;
    for (; x + kBlockPixels <= width; x += kBlockPixels) {
        PixelBlock s, d;
        std::memcpy(&s, in + x, sizeof s);
        std::memcpy(&d, out + x, sizeof d);
        d = operation(s, d);
        std::memcpy(out + x, &d, sizeof d);
    }
    for (; x < width; ++x)
        out[x] = operation(in[x], out[x]);
}

void CombineRow(DWORD rop, const Pixel* in, Pixel* out, int width)
{
    switch (rop) {
    case SRCPAINT:
        CombineRow(in, out, width, [](auto s, auto d) { return s | d; });
        break;
    case SRCAND:
        CombineRow(in, out, width, [](auto s, auto d) { return s & d; });
        break;
    case SRCINVERT:
        CombineRow(in, out, width, [](auto s, auto d) { return s ^ d; });
        break;
    default:
        std::memmove(out, in, static_cast<std::size_t>(width) * sizeof(Pixel));
        break;
    }
}

Pixel Blend(Pixel destination, Pixel colour, unsigned coverage)
{
    if (coverage >= 255)
        return colour;
    Pixel out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int d = static_cast<int>((destination >> shift) & 0xFF);
        const int c = static_cast<int>((colour >> shift) & 0xFF);
        const int mixed = d + (c - d) * static_cast<int>(coverage) / 255;
        out |= static_cast<Pixel>(mixed) << shift;
    }
    return out;
}

// Clips a rectangle to the raster; false when nothing is left.
bool ClipTo(const Raster& raster, RECT& rect)
{
    rect.left = std::max<LONG>(rect.left, 0);
    rect.top = std::max<LONG>(rect.top, 0);
    rect.right = std::min<LONG>(rect.right, raster.Width());
    rect.bottom = std::min<LONG>(rect.bottom, raster.Height());
    return rect.left < rect.right && rect.top < rect.bottom;
}

// Quarter turns counter-clockwise of a font's escapement, in tenths of a degree.
int QuarterTurns(LONG escapement)
{
    const LONG tenths = ((escapement % 3600) + 3600) % 3600;
    return static_cast<int>(((tenths + 450) / 900) % 4);
}

// Screen pixel of the upright text pixel (u, v), relative to the reference point.
POINT Turn(int quarter, int x, int y, int u, int v)
{
    switch (quarter) {
    case 1:
        return {x + v, y - u - 1};
    case 2:
        return {x - u - 1, y - v - 1};
    case 3:
        return {x - v - 1, y + u};
    default:
        return {x + u, y + v};
    }
}

RECT TurnRect(int quarter, int x, int y, const RECT& r)
{
    const POINT a = Turn(quarter, x, y, r.left, r.top);
    const POINT b = Turn(quarter, x, y, r.right - 1, r.bottom - 1);
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1};
}

} // namespace

DeviceContext::DeviceContext(CDC* owner, bool memory)
    : m_owner(owner), m_memory(memory), m_pen(Stock<PenData>(BLACK_PEN, OBJ_PEN)),
      m_brush(Stock<BrushData>(WHITE_BRUSH, OBJ_BRUSH)), m_font(Stock<FontData>(SYSTEM_FONT, OBJ_FONT))
{
    if (memory)
        m_bitmap = Stock<BitmapData>(kDefaultBitmapStock, OBJ_BITMAP);
    std::lock_guard lock(g_liveMutex);
    g_live.insert(this);
}

DeviceContext::~DeviceContext()
{
    std::lock_guard lock(g_liveMutex);
    g_live.erase(this);
}

DeviceContext* DeviceContext::FromHandle(HDC handle)
{
    auto* context = reinterpret_cast<DeviceContext*>(handle);
    std::lock_guard lock(g_liveMutex);
    return g_live.count(context) ? context : nullptr;
}

std::size_t DeviceContext::LiveCount()
{
    std::lock_guard lock(g_liveMutex);
    return g_live.size();
}

Raster* DeviceContext::Surface() const
{
    if (m_attached)
        return m_attached;
    return m_bitmap ? &m_bitmap->raster : nullptr;
}

HGDIOBJ DeviceContext::Select(HGDIOBJ handle)
{
    auto object = ObjectTable::Instance().Find(handle);
    if (!object)
        return nullptr;
    HGDIOBJ previous = Selected(object->Kind());
    switch (object->Kind()) {
    case OBJ_PEN:
        m_pen = std::static_pointer_cast<PenData>(object);
        break;
    case OBJ_BRUSH:
        m_brush = std::static_pointer_cast<BrushData>(object);
        break;
    case OBJ_FONT:
        m_font = std::static_pointer_cast<FontData>(object);
        break;
    case OBJ_BITMAP:
        if (!m_memory)
            return nullptr;
        m_bitmap = std::static_pointer_cast<BitmapData>(object);
        break;
    default:
        return nullptr;
    }
    return previous;
}

HGDIOBJ DeviceContext::Selected(DWORD kind) const
{
    switch (kind) {
    case OBJ_PEN:
        return m_pen->Handle();
    case OBJ_BRUSH:
        return m_brush->Handle();
    case OBJ_FONT:
        return m_font->Handle();
    case OBJ_BITMAP:
        return m_bitmap ? m_bitmap->Handle() : nullptr;
    default:
        return nullptr;
    }
}

void DeviceContext::Plot(Raster& raster, int x, int y, int width, Pixel pixel) const
{
    if (width <= 1) {
        raster.Set(x, y, pixel);
        return;
    }
    const int x0 = x - (width - 1) / 2;
    const int y0 = y - (width - 1) / 2;
    for (int py = y0; py < y0 + width; ++py)
        for (int px = x0; px < x0 + width; ++px)
            raster.Set(px, py, pixel);
}

// Bresenham from the current position; the end point itself is left out.
void DeviceContext::LineTo(int x1, int y1)
{
    Raster* raster = Surface();
    int x = position.x;
    int y = position.y;
    position = CPoint(x1, y1);
    if (!raster || m_pen->style == PS_NULL)
        return;
    const Pixel pixel = ToPixel(m_pen->color);
    const int dx = std::abs(x1 - x);
    const int dy = -std::abs(y1 - y);
    const int sx = x < x1 ? 1 : -1;
    const int sy = y < y1 ? 1 : -1;
    int error = dx + dy;
    while (x != x1 || y != y1) {
        Plot(*raster, x, y, m_pen->width, pixel);
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y += sy;
        }
    }
}

void DeviceContext::FillRect(const RECT& rect, const BrushData& brush)
{
    if (brush.style != BS_NULL)
        FillSolid(rect, brush.color);
}

void DeviceContext::FillSolid(const RECT& rect, COLORREF color)
{
    Raster* raster = Surface();
    RECT clipped = rect;
    if (!raster || !ClipTo(*raster, clipped))
        return;
    const Pixel pixel = ToPixel(color);
    for (LONG y = clipped.top; y < clipped.bottom; ++y)
        std::fill(raster->Row(y) + clipped.left, raster->Row(y) + clipped.right, pixel);
}

// The outline runs on the rectangle's last column and row; a null pen leaves them out.
void DeviceContext::Rectangle(const RECT& rect)
{
    CRect r(rect);
    r.NormalizeRect();
    if (m_pen->style == PS_NULL) {
        FillRect(CRect(r.left, r.top, r.right - 1, r.bottom - 1), *m_brush);
        return;
    }
    if (r.Width() < 1 || r.Height() < 1)
        return;
    FillRect(CRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1), *m_brush);
    const CPoint saved = position;
    position = CPoint(r.left, r.top);
    LineTo(r.right - 1, r.top);
    LineTo(r.right - 1, r.bottom - 1);
    LineTo(r.left, r.bottom - 1);
    LineTo(r.left, r.top);
    position = saved;
}

bool DeviceContext::BitBlt(const RECT& destination, const DeviceContext* source, POINT sourceOrigin, DWORD rop)
{
    Raster* target = Surface();
    if (!target)
        return false;
    if (!NeedsSource(rop)) {
        RECT clipped = destination;
        if (!ClipTo(*target, clipped))
            return true;
        const Pixel brush = ToPixel(m_brush->color);
        if ((rop == PATCOPY || rop == PATINVERT) && m_brush->style == BS_NULL)
            return true;
        for (LONG y = clipped.top; y < clipped.bottom; ++y) {
            Pixel* row = target->Row(y);
            for (LONG x = clipped.left; x < clipped.right; ++x) {
                switch (rop) {
                case BLACKNESS:
                    row[x] = 0;
                    break;
                case WHITENESS:
                    row[x] = 0xFFFFFF;
                    break;
                case DSTINVERT:
                    row[x] ^= 0xFFFFFF;
                    break;
                case PATCOPY:
                    row[x] = brush;
                    break;
                case PATINVERT:
                    row[x] ^= brush;
                    break;
                default:
                    return false;
                }
            }
        }
        return true;
    }
    const Raster* from = source ? source->Surface() : nullptr;
    if (!from)
        return false;
    int dx = destination.left, dy = destination.top;
    int sx = sourceOrigin.x, sy = sourceOrigin.y;
    int width = destination.right - destination.left;
    int height = destination.bottom - destination.top;
    auto clipAxis = [](int& d, int& s, int& extent, int dLimit, int sLimit) {
        const int shift = std::max({0, -d, -s});
        d += shift;
        s += shift;
        extent = std::min({extent - shift, dLimit - d, sLimit - s});
    };
    clipAxis(dx, sx, width, target->Width(), from->Width());
    clipAxis(dy, sy, height, target->Height(), from->Height());
    if (width <= 0 || height <= 0)
        return true;
    const bool sameRaster = from == target;
    // Rows are taken in the order that reads each source row before it is overwritten.
    const bool bottomUp = sameRaster && dy > sy;
    std::vector<Pixel> line;
    if (sameRaster && rop != SRCCOPY)
        line.resize(static_cast<std::size_t>(width));
    for (int i = 0; i < height; ++i) {
        const int row = bottomUp ? height - 1 - i : i;
        const Pixel* in = from->Row(sy + row) + sx;
        Pixel* out = target->Row(dy + row) + dx;
        if (rop == SRCCOPY) {
            std::memmove(out, in, static_cast<std::size_t>(width) * sizeof(Pixel));
            continue;
        }
        if (sameRaster) {
            std::copy(in, in + width, line.begin());
            in = line.data();
        }
        CombineRow(rop, in, out, width);
    }
    return true;
}

const FontFace* DeviceContext::Face() const
{
    return m_font->Face();
}

CSize DeviceContext::TextExtent(std::string_view text) const
{
    const FontFace* face = Face();
    if (!face)
        return CSize();
    return CSize(face->Measure(DecodeUtf8(text)), face->Ascent() + face->Descent());
}

// Alignment applies in the text's own direction, so turned text keeps its reference point.
void DeviceContext::TextOut(int x, int y, std::string_view text)
{
    Raster* raster = Surface();
    const FontFace* face = Face();
    if (!raster || !face)
        return;
    const LOGFONT& lf = m_font->logFont;
    const TextMask mask = face->Render(DecodeUtf8(text), lf.lfUnderline != 0, lf.lfStrikeOut != 0);
    int originU = 0;
    if ((textAlign & TA_CENTER) == TA_CENTER)
        originU = -mask.cellWidth / 2;
    else if (textAlign & TA_RIGHT)
        originU = -mask.cellWidth;
    int originV = 0;
    if ((textAlign & TA_BASELINE) == TA_BASELINE)
        originV = -mask.ascent;
    else if (textAlign & TA_BOTTOM)
        originV = -mask.cellHeight;
    const int quarter = QuarterTurns(lf.lfEscapement);
    if (bkMode == OPAQUE && mask.cellWidth > 0) {
        const RECT cell{originU, originV, originU + mask.cellWidth, originV + mask.cellHeight};
        FillSolid(TurnRect(quarter, x, y, cell), bkColor);
    }
    const Pixel colour = ToPixel(textColor);
    for (int my = 0; my < mask.height; ++my) {
        for (int mx = 0; mx < mask.width; ++mx) {
            const unsigned coverage = mask.At(mx, my);
            if (coverage == 0)
                continue;
            const POINT p = Turn(quarter, x, y, originU + mask.left + mx, originV + mask.top + my);
            if (raster->Contains(p.x, p.y))
                raster->Set(p.x, p.y, Blend(raster->At(p.x, p.y), colour, coverage));
        }
    }
}

} // namespace gdi
