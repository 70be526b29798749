#include "imagecliquable.h"

#include <QMouseEvent>
#include <QPixmap>

ImageCliquable::ImageCliquable(const QImage &image, QWidget *parent)
    : QLabel(parent)
{
    setPixmap(QPixmap::fromImage(image));
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void ImageCliquable::mousePressEvent(QMouseEvent *event)
{
    m_appuye = event->button() == Qt::LeftButton;
}

void ImageCliquable::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clic = m_appuye && event->button() == Qt::LeftButton
                      && rect().contains(event->position().toPoint());
    m_appuye = false;
    if (clic)
        emit Click();
}
