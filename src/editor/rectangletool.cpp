#include "rectangletool.h"

#include "editor.h"

#include <QPainter>

#include <algorithm>

namespace {

void fillRect(Surface &picture, const QRect &rect)
{
    const QRect r = rect & picture.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            picture.setPixel(x, y, kBlack);
}

} // namespace

void RectangleTool::press(const QPointF &at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    RectangularTool::press(at, button, modifiers);
    m_filled = modifiers.testFlag(Qt::ShiftModifier);
}

void RectangleTool::drag(const QPointF &at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    if (!pending())
        return;
    // The corner is a whole pixel, so the arrows move both corners alike.
    RectangularTool::drag(truncate(at), buttons, modifiers);
    m_filled = m_filled || modifiers.testFlag(Qt::ShiftModifier);
}

QRect RectangleTool::rect() const
{
    const QPoint a = anchor(), b = truncate(corner());
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                 QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

void RectangleTool::draw(Surface &picture)
{
    const QRect r = rect();
    const int w = editor().lineWidth().value();
    if (m_filled || 2 * w >= std::min(r.width(), r.height())) {
        fillRect(picture, r);
    } else {
        fillRect(picture, QRect(r.left(), r.top(), r.width(), w));
        fillRect(picture, QRect(r.left(), r.bottom() - w + 1, r.width(), w));
        fillRect(picture, QRect(r.left(), r.top() + w, w, r.height() - 2 * w));
        fillRect(picture, QRect(r.right() - w + 1, r.top() + w, w, r.height() - 2 * w));
    }
}

void RectangleTool::paintPending(QPainter &painter) const
{
    painter.setPen(overlayPen(1));
    painter.setBrush(m_filled ? QBrush(overlayColour(), Qt::Dense4Pattern) : QBrush(Qt::NoBrush));
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}
