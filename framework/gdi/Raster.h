#pragma once
// A 32-bit picture in memory, one 0x00RRGGBB word per pixel, rows top to bottom.

#include <cstdint>
#include <span>
#include <vector>

#include "framework/gdi/GdiTypes.h"

namespace gdi {

using Pixel = std::uint32_t;

constexpr Pixel ToPixel(COLORREF c)
{
    return (static_cast<Pixel>(GetRValue(c)) << 16) | (static_cast<Pixel>(GetGValue(c)) << 8) | GetBValue(c);
}
constexpr COLORREF ToColorRef(Pixel p)
{
    return RGB(static_cast<BYTE>((p >> 16) & 0xFF), static_cast<BYTE>((p >> 8) & 0xFF), static_cast<BYTE>(p & 0xFF));
}

class Raster {
public:
    Raster() = default;
    Raster(int width, int height, Pixel fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool IsEmpty() const { return m_width == 0 || m_height == 0; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    // Outside the raster: reads give 0, writes are ignored.
    Pixel At(int x, int y) const { return Contains(x, y) ? m_pixels[Index(x, y)] : 0; }
    void Set(int x, int y, Pixel p)
    {
        if (Contains(x, y))
            m_pixels[Index(x, y)] = p;
    }

    Pixel* Row(int y) { return m_pixels.data() + Index(0, y); }
    const Pixel* Row(int y) const { return m_pixels.data() + Index(0, y); }
    std::span<const Pixel> Pixels() const { return m_pixels; }

    void Resize(int width, int height, Pixel fill = 0);
    void Fill(Pixel p);

    friend bool operator==(const Raster&, const Raster&) = default;

private:
    std::size_t Index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) + static_cast<std::size_t>(x);
    }

    int m_width = 0;
    int m_height = 0;
    std::vector<Pixel> m_pixels;
};

} // namespace gdi
