#include "surfacewidget.h"

#include <QPaintEvent>
#include <QPainter>

SurfaceWidget::SurfaceWidget(Surface *surface, QWidget *parent, bool border)
    : QWidget(parent)
    , m_border(border)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSurface(surface);
}

void SurfaceWidget::setSurface(Surface *surface)
{
    if (m_surface)
        disconnect(m_surface, nullptr, this, nullptr);
    m_surface = surface;
    if (m_surface)
        connect(m_surface, &Surface::changed, this, &SurfaceWidget::surfaceChanged);
    update();
}

QSize SurfaceWidget::sizeHint() const
{
    const QSize inner = m_surface ? m_surface->size() : QSize(0, 0);
    return m_border ? inner + QSize(2, 2) : inner;
}

void SurfaceWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    // Whatever the surface does not cover shows the surface's background.
    const QRgb back = m_surface ? m_surface->backColor() : kWhite;
    painter.fillRect(event->rect(), QColor::fromRgb(back));
    if (m_surface)
        painter.drawImage(origin(), m_surface->image());
    if (m_border) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
