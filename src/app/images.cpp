#include "images.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace images {
namespace {

const QColor kRouge(220, 0, 0);

QImage blanche(int w, int h, const QColor &fond = Qt::white)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fond);
    return image;
}

// A calculator seen from the front, filling rect: dark body, green screen with a
// few dots, rows of keys.
void calculatrice(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = r.width() / 20.0;
    p.setPen(QPen(QColor(20, 20, 30), qMax(1.0, u * 0.4)));
    p.setBrush(QColor(60, 62, 72));
    p.drawRoundedRect(r, 2 * u, 2 * u);
    const QRectF ecran(r.left() + 2 * u, r.top() + 2 * u, r.width() - 4 * u, r.height() * 0.32);
    p.setPen(QPen(QColor(30, 30, 30), qMax(1.0, u * 0.3)));
    p.setBrush(QColor(170, 190, 150));
    p.drawRect(ecran);
    // A tiny picture on the screen.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 40, 30));
    p.drawEllipse(QRectF(ecran.left() + ecran.width() * 0.15, ecran.top() + ecran.height() * 0.25,
                         ecran.width() * 0.22, ecran.height() * 0.5));
    QPainterPath montagne;
    montagne.moveTo(ecran.left() + ecran.width() * 0.45, ecran.bottom() - ecran.height() * 0.15);
    montagne.lineTo(ecran.left() + ecran.width() * 0.65, ecran.top() + ecran.height() * 0.3);
    montagne.lineTo(ecran.left() + ecran.width() * 0.85, ecran.bottom() - ecran.height() * 0.15);
    p.drawPath(montagne);
    // Keys.
    const qreal haut = ecran.bottom() + 2 * u;
    const int lignes = 5, colonnes = 5;
    const qreal pasX = (r.width() - 4 * u) / colonnes;
    const qreal pasY = (r.bottom() - 2 * u - haut) / lignes;
    for (int l = 0; l < lignes; ++l)
        for (int c = 0; c < colonnes; ++c) {
            p.setBrush(l == 0 ? QColor(90, 140, 220) : QColor(200, 200, 205));
            p.drawRoundedRect(QRectF(r.left() + 2 * u + c * pasX + pasX * 0.15,
                                     haut + l * pasY + pasY * 0.2, pasX * 0.7, pasY * 0.6),
                              u * 0.4, u * 0.4);
        }
    p.restore();
}

QImage iconeImage(int taille)
{
    QImage image(taille, taille, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(122, 150, 223));
    p.drawRoundedRect(QRectF(0, 0, taille, taille), taille / 6.0, taille / 6.0);
    calculatrice(p, QRectF(taille * 0.22, taille * 0.06, taille * 0.56, taille * 0.88));
    return image;
}

} // namespace

QIcon icone()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(iconeImage(32)));
    icon.addPixmap(QPixmap::fromImage(iconeImage(16)));
    return icon;
}

QImage moins()
{
    QImage image = blanche(20, 19);
    QPainter p(&image);
    p.fillRect(4, 8, 12, 3, kRouge);
    return image;
}

QImage plus()
{
    QImage image = blanche(20, 19);
    QPainter p(&image);
    p.fillRect(4, 8, 12, 3, kRouge);
    p.fillRect(8, 3, 3, 13, kRouge);
    return image;
}

QImage loupe()
{
    QImage image(13, 13, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.3));
    p.setBrush(QColor(210, 235, 255));
    p.drawEllipse(QRectF(1, 1, 7.5, 7.5));
    p.setPen(QPen(QColor(90, 60, 20), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8.2, 8.2), QPointF(11.5, 11.5));
    return image;
}

QImage splash()
{
    QImage image = blanche(300, 200, QColor(255, 236, 90));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(QPen(QColor(120, 90, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, 298, 198));
    calculatrice(p, QRectF(205, 22, 72, 150));

    QFont titre(QStringLiteral("Serif"));
    titre.setStyleHint(QFont::Serif);
    titre.setPixelSize(44);
    titre.setBold(true);
    titre.setItalic(true);
    p.setFont(titre);
    p.setPen(QColor(20, 40, 120));
    p.drawText(QRectF(14, 30, 190, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Brivane"));

    QFont sous(QStringLiteral("Sans"));
    sous.setStyleHint(QFont::SansSerif);
    sous.setPixelSize(17);
    sous.setBold(true);
    p.setFont(sous);
    p.setPen(QColor(60, 60, 60));
    p.drawText(QRectF(18, 88, 190, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("pour TI 89/92+"));

    sous.setPixelSize(12);
    sous.setBold(false);
    p.setFont(sous);
    p.drawText(QRectF(18, 146, 190, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Programmé par"));
    sous.setBold(true);
    p.setFont(sous);
    p.drawText(QRectF(18, 162, 190, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Ostrelin Vardeck"));
    return image;
}

QImage vignette()
{
    QImage image = blanche(69, 60, QColor(216, 228, 248));
    QPainter p(&image);
    calculatrice(p, QRectF(20, 3, 29, 54));
    return image;
}

} // namespace images
