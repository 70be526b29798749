#include "framing.h"

#include <QTransform>

#include <algorithm>
#include <array>
#include <cstdlib>

Orientation Orientation::after(const Orientation &first) const
{
    // A mirror turns the other way: mirror . turn(q) = turn(-q) . mirror.
    if (!mirrored)
        return clockwise(quarterTurns + first.quarterTurns).withMirror(first.mirrored);
    return clockwise(quarterTurns - first.quarterTurns).withMirror(!first.mirrored);
}

Orientation Orientation::inverse() const
{
    // (turn(q) . mirror)^-1 = mirror . turn(-q) = turn(q) . mirror: a mirrored turn undoes itself.
    return mirrored ? *this : clockwise(-quarterTurns);
}

namespace framing {

QImage turned(QImage picture, const Orientation &orientation)
{
    // turn(q) . mirror = mirror . turn(-q): turning first lets the mirror work in place.
    const int turns = orientation.mirrored ? -orientation.quarterTurns : orientation.quarterTurns;
    if (turns % 4 != 0)
        picture = picture.transformed(QTransform().rotate(90.0 * turns));
    if (orientation.mirrored)
        picture = std::move(picture).mirrored(true, false);
    return picture;
}

QSize turnedSize(QSize size, const Orientation &orientation)
{
    return orientation.quarterTurns % 2 ? size.transposed() : size;
}

QRect turnedRect(const QRect &rect, QSize pictureSize, const Orientation &orientation)
{
    QRect r = rect;
    QSize size = pictureSize;
    if (orientation.mirrored)
        r.moveLeft(size.width() - r.x() - r.width());
    for (int turn = 0; turn < orientation.quarterTurns; ++turn) {
        // Clockwise: the left column becomes the top row, the bottom row the left column.
        r = QRect(size.height() - r.y() - r.height(), r.x(), r.height(), r.width());
        size.transpose();
    }
    return r;
}

namespace {

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

} // namespace

QRect contentRect(const QImage &image, int tolerance)
{
    if (image.isNull())
        return {};
    const QImage picture = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
                               ? image
                               : image.convertToFormat(QImage::Format_RGB32);
    const int w = picture.width(), h = picture.height();
    const std::array<QRgb, 4> corners = {picture.pixel(0, 0), picture.pixel(w - 1, 0), picture.pixel(0, h - 1),
                                         picture.pixel(w - 1, h - 1)};
    QRgb margin = corners[0];
    int most = 0;
    for (const QRgb c : corners) {
        const int count = int(std::count_if(corners.begin(), corners.end(), [&](QRgb o) { return near(c, o, tolerance); }));
        if (count > most)
            most = count, margin = c;
    }
    int left = w, right = -1, top = -1, bottom = -1;
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        int x = 0;
        while (x < w && near(line[x], margin, tolerance))
            ++x;
        if (x == w)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        left = std::min(left, x);
        int end = w - 1;
        while (near(line[end], margin, tolerance))
            --end;
        right = std::max(right, end);
    }
    if (top < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage view(const QImage &picture, const QRect &rect)
{
    const QRect r = rect.intersected(picture.rect());
    if (r.isEmpty())
        return {};
    const int bytesPerPixel = picture.depth() / 8;
    return QImage(picture.constScanLine(r.y()) + r.x() * bytesPerPixel, r.width(), r.height(), picture.bytesPerLine(),
                  picture.format());
}

} // namespace framing
