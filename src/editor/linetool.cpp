#include "linetool.h"

#include "editor.h"

#include <QPainter>

void LineTool::press(const QPointF &at, Qt::MouseButton, Qt::KeyboardModifiers)
{
    setPending(true);
    m_start = m_end = at;
    overlayChanged();
}

void LineTool::drag(const QPointF &at, Qt::MouseButtons, Qt::KeyboardModifiers)
{
    m_end = at;
    overlayChanged();
}

void LineTool::nudge(QPoint by)
{
    m_start += by;
    m_end += by;
    overlayChanged();
}

void LineTool::draw(Surface &picture)
{
    picture.line(m_start, m_end, kBlack);
}

void LineTool::paintPending(QPainter &painter) const
{
    painter.setPen(overlayPen(editor().lineWidth().value()));
    const QPointF centre(0.5, 0.5); // pixel centres
    const QPointF a = m_start + centre, b = m_end + centre;
    if (a == b)
        painter.drawPoint(a);
    else
        painter.drawLine(a, b);
}
