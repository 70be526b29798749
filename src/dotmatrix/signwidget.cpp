#include "signwidget.h"

#include <QPaintEvent>
#include <QPainter>

SignWidget::SignWidget(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(&m_matrix, &DotMatrix::displayChanged, this, qOverload<const QRect &>(&QWidget::update));
    // A hidden widget gets its resize event only when shown: the display asks.
    m_matrix.setDisplaySizeSource([this] { return size(); });
    resize(DotMatrix::kDesignSize);
}

void SignWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_matrix.display().image(), event->rect());
}

void SignWidget::resizeEvent(QResizeEvent *event)
{
    m_matrix.resizeDisplay(event->size());
    QWidget::resizeEvent(event);
}
