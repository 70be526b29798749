#pragma once

#include <QImage>
#include <QRect>

// How the source is turned from the picture as it was loaded: mirrored left to
// right first (when mirrored), then turned clockwise by quarter turns.
struct Orientation
{
    int quarterTurns = 0; // 0 to 3, clockwise
    bool mirrored = false;
    bool operator==(const Orientation &) const = default;

    static Orientation clockwise(int quarterTurns) { return {((quarterTurns % 4) + 4) % 4, false}; }
    static Orientation horizontalMirror() { return {0, true}; }
    static Orientation verticalMirror() { return {2, true}; }

    Orientation withMirror(bool mirror) const { return {quarterTurns, mirror}; }
    // This turn done after `first`.
    Orientation after(const Orientation &first) const;
    // The turn that undoes this one.
    Orientation inverse() const;
};

namespace framing {

// The picture turned. Given the only reference to a picture (moved in), at most
// one copy lives beside it: the mirror is made in place.
QImage turned(QImage picture, const Orientation &orientation);
// Where a rectangle of a picture of that size lands when the picture is turned.
QRect turnedRect(const QRect &rect, QSize pictureSize, const Orientation &orientation);
QSize turnedSize(QSize size, const Orientation &orientation);

// How far a pixel may stray from the margins' colour, on each of red, green and
// blue, and still count as margin: a scan's paper is never one exact colour.
constexpr int kMarginTolerance = 24;
// The smallest rectangle holding every pixel that differs from the margins'
// colour (that of most corners, the top-left one on a tie); empty when the whole
// picture is margin.
QRect contentRect(const QImage &picture, int tolerance = kMarginTolerance);

// The part of a picture inside rect, sharing its pixels (no copy): read-only, valid
// while the picture lives. The rectangle is clipped to the picture.
QImage view(const QImage &picture, const QRect &rect);

} // namespace framing
