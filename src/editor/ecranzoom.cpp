#include "ecranzoom.h"

#include "editor.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

EcranZoom::EcranZoom(Editor &editor, QWidget *parent)
    : Canvas(editor, parent, false)
{
    setObjectName(QStringLiteral("ecranZoom"));
    ajusterEchelle();
}

QSize EcranZoom::minimumSizeHint() const
{
    return editor().picture().size() * kFacteurMin;
}

void EcranZoom::ajusterEchelle()
{
    const QSize image = editor().picture().size();
    if (image.isEmpty())
        return;
    const int facteur = std::clamp(std::min(width() / image.width(), height() / image.height()),
                                   kFacteurMin, kFacteurMax);
    const QSize taille = image * facteur;
    setScale(QPoint((width() - taille.width()) / 2, (height() - taille.height()) / 2), facteur);
}

void EcranZoom::resizeEvent(QResizeEvent *event)
{
    Canvas::resizeEvent(event);
    ajusterEchelle();
}

void EcranZoom::paintPicture(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    const QImage &image = editor().picture().image();
    if (m_points.size() != image.size()) {
        ajusterEchelle(); // the picture changed size
        m_points = QImage(image.size(), QImage::Format_RGB32);
    }
    const QRgb blanc = toQRgb(kBlanc), noir = toQRgb(kNoir);
    for (int y = 0; y < image.height(); ++y) {
        const QRgb *source = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QRgb *point = reinterpret_cast<QRgb *>(m_points.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            point[x] = (source[x] | 0xFF000000u) == blanc ? blanc : noir;
    }
    // Whole factors and no smoothing: every dot is a sharp square.
    painter.drawImage(QRect(pictureOrigin(), image.size() * factor()), m_points);
}
