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
    const float width = float(b.width()), height = float(b.height());
    const float cx = width / 2 + float(b.left()), cy = height / 2 + float(b.top());
    const float rx = width / 2, ry = height / 2;
    // 1257 samples, t from 0 to 6.28; the bound is 6.282, not 2 pi, so the
    // outline stops one row short of the bottom of its box.
    for (double t = 0; t <= 6.282; t += 0.005)
        picture.setPixel(truncate(rx * std::cos(t) + cx), truncate(ry * std::sin(t) + cy), kBlack);
}

void EllipseTool::paintPending(QPainter &painter) const
{
    painter.setPen(overlayPen(1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(box().translated(0.5, 0.5));
}
