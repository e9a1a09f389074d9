#include "framework/gdi/Raster.h"

#include <algorithm>

namespace gdi {

Raster::Raster(int width, int height, Pixel fill)
{
    Resize(width, height, fill);
}

void Raster::Resize(int width, int height, Pixel fill)
{
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_pixels.assign(static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height), fill);
}

void Raster::Fill(Pixel p)
{
    std::fill(m_pixels.begin(), m_pixels.end(), p);
}

} // namespace gdi
