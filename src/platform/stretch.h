#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// For one axis, which source indices make each destination index. Shrinking
// merges a run of source pixels into one destination pixel (their colours are
// ANDed, so dark detail survives); enlarging repeats source pixels.
struct StretchAxis
{
    // Destination index d takes source indices first[d] to last[d], both included.
    std::vector<int> first;
    std::vector<int> last;
};

// The mapping of a source length onto a destination length:
// - a destination of 1 pixel drops the last source pixel (when there are several);
// - shrinking: source j goes to ((2j + 1)·D − 1) div (2S);
// - enlarging or equal: destination i takes source ((2i + 1)·S − 1) div (2D).
StretchAxis stretchAxis(int sourceLength, int destinationLength);

// Stretches srcRect of src into dstRect of dst, both RGB32. Each destination pixel
// is the bitwise AND of the source pixels its row and column take. Parts of dstRect
// outside dst are left out; srcRect must lie inside src.
void stretchAnd(QImage &dst, const QRect &dstRect, const QImage &src, const QRect &srcRect);
