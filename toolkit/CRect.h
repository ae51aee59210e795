// An axis-aligned rectangle in frame pixels: left and top inside, right and bottom outside.
#pragma once

#include "CPoint.h"

#include <algorithm>

namespace qgui {

struct CRect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;

    constexpr CRect() = default;
    constexpr CRect(double left, double top, double right, double bottom)
        : left(left), top(top), right(right), bottom(bottom)
    {
    }
    constexpr CRect(const CPoint& origin, const CPoint& size)
        : left(origin.x), top(origin.y), right(origin.x + size.x), bottom(origin.y + size.y)
    {
    }

    constexpr double getWidth() const { return right - left; }
    constexpr double getHeight() const { return bottom - top; }
    constexpr CPoint getTopLeft() const { return {left, top}; }
    constexpr CPoint getSize() const { return {getWidth(), getHeight()}; }
    constexpr CPoint getCenter() const { return {left + getWidth() / 2.0, top + getHeight() / 2.0}; }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }

    constexpr CRect& offset(double dx, double dy)
    {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
        return *this;
    }
    // Keeps the size and puts the top-left corner at (x, y).
    constexpr CRect& moveTo(double x, double y) { return offset(x - left, y - top); }

    constexpr bool pointInside(const CPoint& p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr bool rectOverlap(const CRect& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
    // Shrinks this rectangle to its overlap with other (empty when they do not meet).
    CRect& bound(const CRect& other)
    {
        left = std::max(left, other.left);
        top = std::max(top, other.top);
        right = std::max(left, std::min(right, other.right));
        bottom = std::max(top, std::min(bottom, other.bottom));
        return *this;
    }
    // Grows this rectangle to cover other too; an empty rectangle takes other as it is.
    CRect& unite(const CRect& other)
    {
        if (other.isEmpty())
            return *this;
        if (isEmpty())
            return *this = other;
        left = std::min(left, other.left);
        top = std::min(top, other.top);
        right = std::max(right, other.right);
        bottom = std::max(bottom, other.bottom);
        return *this;
    }

    constexpr bool operator==(const CRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    constexpr bool operator!=(const CRect& o) const { return !(*this == o); }
};

} // namespace qgui
