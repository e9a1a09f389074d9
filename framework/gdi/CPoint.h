#pragma once

#include "framework/gdi/GdiTypes.h"

class CPoint : public POINT {
public:
    constexpr CPoint() : POINT{0, 0} {}
    constexpr CPoint(int x0, int y0) : POINT{x0, y0} {}
    constexpr CPoint(const POINT& p) : POINT(p) {}

    void Offset(int dx, int dy) { x += dx; y += dy; }
    friend constexpr bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }
    friend constexpr CPoint operator+(const CPoint& a, const CPoint& b) { return CPoint(a.x + b.x, a.y + b.y); }
    friend constexpr CPoint operator-(const CPoint& a, const CPoint& b) { return CPoint(a.x - b.x, a.y - b.y); }
};
