#include "splashwindow.h"

#include "windowsetup.h"
#include "geometry.h"
#include "artwork.h"

#include <QPainter>

SplashWindow::SplashWindow(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_image(artwork::splash())
{
    setObjectName(QStringLiteral("splashWindow"));
    setFixedSize(geometry::rect("splashWindow").size());
    setAttribute(Qt::WA_OpaquePaintEvent);
    windowsetup::centre(this);
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    // The window is a pixel wider than the picture: continue its ground.
    p.fillRect(rect(), m_image.pixel(5, 5));
    p.drawImage(0, 0, m_image);
}
