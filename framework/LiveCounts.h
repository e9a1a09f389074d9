#pragma once
// What the framework keeps alive for the program: a program that runs for days must end a
// day holding as much as it held the day before.

#include <cstddef>

namespace fw {

struct LiveCounts {
    std::size_t windows = 0;          // children included
    std::size_t timers = 0;
    std::size_t gdi_objects = 0;      // pens, brushes, fonts and bitmaps, stock objects left out
    std::size_t device_contexts = 0;
    std::size_t image_lists = 0;
    std::size_t libraries = 0;        // resource modules loaded

    bool operator==(const LiveCounts&) const = default;
};

LiveCounts CurrentLiveCounts();

}  // namespace fw
