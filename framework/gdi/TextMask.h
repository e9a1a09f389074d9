#pragma once
// A line of text as coverage (0-255) in its own upright coordinates: the text cell spans
// x 0..cellWidth and y 0..cellHeight with the baseline at y = ascent; glyph ink may reach
// past the cell, so the mask has its own bounds relative to the cell's top-left.

#include <cstdint>
#include <vector>

namespace gdi {

struct TextMask {
    int cellWidth = 0;
    int cellHeight = 0;
    int ascent = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;

    std::uint8_t At(int x, int y) const
    {
        return coverage[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
    }
};

} // namespace gdi
