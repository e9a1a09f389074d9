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
    const std::size_t count = static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height);
    // A new black raster is zeroed in one block write, not pixel by pixel: painting makes
    // one for every picture.
    if (fill == 0 && m_pixels.empty())
        m_pixels.resize(count);
    else
        m_pixels.assign(count, fill);
}

void Raster::Fill(Pixel p)
{
    std::fill(m_pixels.begin(), m_pixels.end(), p);
}

} // namespace gdi
