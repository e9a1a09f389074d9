#pragma once

#include "framework/gdi/GdiTypes.h"

class CSize : public SIZE {
public:
    constexpr CSize() : SIZE{0, 0} {}
    constexpr CSize(int cx0, int cy0) : SIZE{cx0, cy0} {}
    constexpr CSize(const SIZE& s) : SIZE(s) {}

    friend constexpr bool operator==(const CSize& a, const CSize& b) { return a.cx == b.cx && a.cy == b.cy; }
};
