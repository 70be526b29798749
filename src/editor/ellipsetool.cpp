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
    const QRectF b = box();
    const double rx = b.width() / 2, ry = b.height() / 2;
    const double cx = b.left() + rx, cy = b.top() + ry;
    // The quarter towards the bottom right, sampled as finely as the whole outline
    // once was (a step of 0.005), is mirrored about the box's centre lines: the
    // outline is symmetric whatever the box's size.
    const int mirrorX = truncate(b.left()) + truncate(b.left() + b.width());
    const int mirrorY = truncate(b.top()) + truncate(b.top() + b.height());
    constexpr int kSamples = 315;
    for (int n = 0; n <= kSamples; ++n) {
        const double t = M_PI / 2 * n / kSamples;
        const int x = truncate(rx * std::cos(t) + cx), y = truncate(ry * std::sin(t) + cy);
        for (const QPoint p : {QPoint(x, y), QPoint(mirrorX - x, y), QPoint(x, mirrorY - y), QPoint(mirrorX - x, mirrorY - y)})
            picture.setPixel(p.x(), p.y(), kBlack);
    }
}

void EllipseTool::paintPending(QPainter &painter) const
{
    painter.setPen(overlayPen(1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(box().translated(0.5, 0.5));
}
