#include "fenetredemarrage.h"

#include "fenetres.h"
#include "geometrie.h"
#include "images.h"

#include <QPainter>

FenetreDemarrage::FenetreDemarrage(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_image(images::splash())
{
    setObjectName(QStringLiteral("FenetreDemarrage"));
    setFixedSize(geometrie::rect("FenetreDemarrage").size());
    setAttribute(Qt::WA_OpaquePaintEvent);
    fenetres::centrer(this);
}

void FenetreDemarrage::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // The window is a pixel wider than the picture: continue its ground.
    p.fillRect(rect(), m_image.pixel(5, 5));
    p.drawImage(0, 0, m_image);
}
