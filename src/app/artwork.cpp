#include "artwork.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace artwork {
namespace {

const QColor kRed(220, 0, 0);

QImage blanche(int w, int h, const QColor &setBackground = Qt::white)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(setBackground);
    return image;
}

// A calculator seen from the front, filling rect: dark body, green screen with a
// few dots, rows of keys.
void calculator(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal u = r.width() / 20.0;
    p.setPen(QPen(QColor(20, 20, 30), qMax(1.0, u * 0.4)));
    p.setBrush(QColor(60, 62, 72));
    p.drawRoundedRect(r, 2 * u, 2 * u);
    const QRectF screenPicture(r.left() + 2 * u, r.top() + 2 * u, r.width() - 4 * u, r.height() * 0.32);
    p.setPen(QPen(QColor(30, 30, 30), qMax(1.0, u * 0.3)));
    p.setBrush(QColor(170, 190, 150));
    p.drawRect(screenPicture);
    // A tiny picture on the screen.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 40, 30));
    p.drawEllipse(QRectF(screenPicture.left() + screenPicture.width() * 0.15, screenPicture.top() + screenPicture.height() * 0.25,
                         screenPicture.width() * 0.22, screenPicture.height() * 0.5));
    QPainterPath mountain;
    mountain.moveTo(screenPicture.left() + screenPicture.width() * 0.45, screenPicture.bottom() - screenPicture.height() * 0.15);
    mountain.lineTo(screenPicture.left() + screenPicture.width() * 0.65, screenPicture.top() + screenPicture.height() * 0.3);
    mountain.lineTo(screenPicture.left() + screenPicture.width() * 0.85, screenPicture.bottom() - screenPicture.height() * 0.15);
    p.drawPath(mountain);
    // Keys.
    const qreal top = screenPicture.bottom() + 2 * u;
    const int lines = 5, columns = 5;
    const qreal pasX = (r.width() - 4 * u) / columns;
    const qreal pasY = (r.bottom() - 2 * u - top) / lines;
    for (int l = 0; l < lines; ++l)
        for (int c = 0; c < columns; ++c) {
            p.setBrush(l == 0 ? QColor(90, 140, 220) : QColor(200, 200, 205));
            p.drawRoundedRect(QRectF(r.left() + 2 * u + c * pasX + pasX * 0.15,
                                     top + l * pasY + pasY * 0.2, pasX * 0.7, pasY * 0.6),
                              u * 0.4, u * 0.4);
        }
    p.restore();
}

QImage iconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(122, 150, 223));
    p.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    calculator(p, QRectF(size * 0.22, size * 0.06, size * 0.56, size * 0.88));
    return image;
}

} // namespace

QIcon icon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(iconImage(32)));
    icon.addPixmap(QPixmap::fromImage(iconImage(16)));
    return icon;
}

QImage minus()
{
    QImage image = blanche(20, 19);
    QPainter p(&image);
    p.fillRect(4, 8, 12, 3, kRed);
    return image;
}

QImage plus()
{
    QImage image = blanche(20, 19);
    QPainter p(&image);
    p.fillRect(4, 8, 12, 3, kRed);
    p.fillRect(8, 3, 3, 13, kRed);
    return image;
}

QImage magnifier()
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
    calculator(p, QRectF(205, 22, 72, 150));

    QFont title(QStringLiteral("Serif"));
    title.setStyleHint(QFont::Serif);
    title.setPixelSize(44);
    title.setBold(true);
    title.setItalic(true);
    p.setFont(title);
    p.setPen(QColor(20, 40, 120));
    p.drawText(QRectF(14, 30, 190, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Brivane"));

    QFont below(QStringLiteral("Sans"));
    below.setStyleHint(QFont::SansSerif);
    below.setPixelSize(17);
    below.setBold(true);
    p.setFont(below);
    p.setPen(QColor(60, 60, 60));
    p.drawText(QRectF(18, 88, 190, 24), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("pour TI 89/92+"));

    below.setPixelSize(12);
    below.setBold(false);
    p.setFont(below);
    p.drawText(QRectF(18, 146, 190, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Programmé par"));
    below.setBold(true);
    p.setFont(below);
    p.drawText(QRectF(18, 162, 190, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Ostrelin Vardeck"));
    return image;
}

QImage thumbnail()
{
    QImage image = blanche(69, 60, QColor(216, 228, 248));
    QPainter p(&image);
    calculator(p, QRectF(20, 3, 29, 54));
    return image;
}

} // namespace artwork
