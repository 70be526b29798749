#pragma once

#include "platform/surface.h"

#include <QPoint>

#include <set>
#include <utility>

// The black pixels of a surface, as (x, y) pairs, for comparisons with exact sets.
inline std::set<std::pair<int, int>> blackPixels(const Surface &surface)
{
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (surface.point(x, y) == kNoir)
                pixels.insert({x, y});
    return pixels;
}

// Every pixel of the rectangle, as (x, y) pairs.
inline std::set<std::pair<int, int>> block(int left, int top, int width, int height)
{
    std::set<std::pair<int, int>> pixels;
    for (int x = left; x < left + width; ++x)
        for (int y = top; y < top + height; ++y)
            pixels.insert({x, y});
    return pixels;
}
