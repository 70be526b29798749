#include "form4.h"

#include "fenetres.h"
#include "geometrie.h"
#include "images.h"

#include <QPainter>

Form4::Form4(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_image(images::splash())
{
    setObjectName(QStringLiteral("Form4"));
    setFixedSize(geometrie::rect("Form4").size());
    setAttribute(Qt::WA_OpaquePaintEvent);
    fenetres::centrer(this);
}

void Form4::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // The window is a pixel wider than the picture: continue its ground.
    p.fillRect(rect(), m_image.pixel(5, 5));
    p.drawImage(0, 0, m_image);
}
