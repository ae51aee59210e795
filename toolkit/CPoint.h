// A position in frame pixels (x to the right, y downwards).
#pragma once

namespace qgui {

struct CPoint {
    double x = 0.0;
    double y = 0.0;

    constexpr CPoint() = default;
    constexpr CPoint(double x, double y) : x(x), y(y) {}

    constexpr CPoint& offset(double dx, double dy)
    {
        x += dx;
        y += dy;
        return *this;
    }
    constexpr bool operator==(const CPoint& other) const { return x == other.x && y == other.y; }
    constexpr bool operator!=(const CPoint& other) const { return !(*this == other); }
    constexpr CPoint operator+(const CPoint& other) const { return {x + other.x, y + other.y}; }
    constexpr CPoint operator-(const CPoint& other) const { return {x - other.x, y - other.y}; }
};

} // namespace qgui
