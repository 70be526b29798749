#pragma once

#include <QImage>
#include <QRect>

#include <vector>

// For one axis, which source indices make each destination index. Shrinking
// merges a run of source pixels into one destination pixel; enlarging repeats
// source pixels.
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

// How the block of source pixels that a destination pixel takes (its row group
// times its column group) becomes one colour.
enum class Reduction {
    // Red, green and blue each the rounded mean of the block, (sum + n div 2) div n:
    // photographs keep their tones.
    Mean,
    // The bitwise AND of the block: a thin dark stroke on white survives
    // shrinking, but the many colours of a photograph go black.
    And,
};

// Stretches srcRect of src into dstRect of dst, both RGB32, merging each block by
// the reduction (a block of one pixel is copied by both). Parts of dstRect outside
// dst are left out; srcRect must lie inside src.
void stretchImage(QImage &dst, const QRect &dstRect, const QImage &src, const QRect &srcRect,
                  Reduction reduction);

// Stretches srcRect of a picture into dstRect of dst by the mean, from `decoded`, that
// picture decoded at 1/divisor: decoded pixel (i, j) stands for the divisor x divisor
// pixels from covered.topLeft() + divisor (i, j) (pixels beyond `covered`, which the
// decoder left out, for the nearest ones). Each destination pixel takes the block
// stretchImage() would give it, each decoded pixel weighted by the pixels of the
// block it stands for; srcRect must lie inside the picture.
void stretchDecodedMean(QImage &dst, const QRect &dstRect, const QImage &decoded, const QRect &srcRect,
                        const QRect &covered, int divisor);
