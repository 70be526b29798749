#include "ellipsetool.h"

#include "platform/surface.h"

#include <QPainter>

#include <cmath>

QRectF EllipseTool::box() const
{
    const QPointF size = corner() - anchor();
    return QRectF(anchor(), QSizeF(size.x() > 0 ? size.x() : 0, size.y() > 0 ? size.y() : 0));
}

void EllipseTool::draw(Surface &picture)
{
    // The outline joins the pixels at the box's truncated corners, like its rubber
    // band. The quarter towards the bottom right, its points rounded to the nearest
    // pixel, is mirrored about the box's centre lines: the outline is symmetric
    // whatever the box's size, with flat tops rather than lone dots.
    const QRectF b = box();
    const int left = truncate(b.left()), right = truncate(b.left() + b.width());
    const int top = truncate(b.top()), bottom = truncate(b.top() + b.height());
    const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    constexpr int kSamples = 315; // finer than a pixel for any box that fits the picture
    for (int n = 0; n <= kSamples; ++n) {
        const double t = M_PI / 2 * n / kSamples;
        const int x = int(std::floor(cx + rx * std::cos(t) + 0.5));
        const int y = int(std::floor(cy + ry * std::sin(t) + 0.5));
        for (const QPoint p : {QPoint(x, y), QPoint(left + right - x, y), QPoint(x, top + bottom - y),
                               QPoint(left + right - x, top + bottom - y)})
            picture.setPixel(p.x(), p.y(), kBlack);
    }
}

void EllipseTool::paintPending(QPainter &painter) const
{
    painter.setPen(overlayPen(1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(box().translated(0.5, 0.5));
}
