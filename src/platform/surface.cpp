#include "surface.h"

#include "pictureloader.h"
#include "stretch.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

QImage blankImage(int width, int height, QRgb background)
{
    QImage image(qMax(0, width), qMax(0, height), QImage::Format_RGB32);
    image.fill(background);
    return image;
}

int toPixel(double v)
{
    return int(std::lround(v));
}

} // namespace

Surface::Surface(int width, int height, QRgb background, QObject *parent)
    : QObject(parent)
    , m_image(blankImage(width, height, background))
    , m_backColor(background)
{
    m_font.setStyleStrategy(QFont::NoAntialias);
}

void Surface::resize(int width, int height)
{
    m_image = blankImage(width, height, m_backColor);
    m_currentX = m_currentY = 0;
}

void Surface::setPicture(const QImage &picture)
{
    m_image = opaqueOnWhite(picture);
    m_currentX = m_currentY = 0;
}

void Surface::cls()
{
    m_image.fill(m_backColor);
    m_currentX = m_currentY = 0;
}

QRgb Surface::point(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return kNoColour;
    return reinterpret_cast<const QRgb *>(m_image.constScanLine(y))[x];
}

void Surface::setPixel(int x, int y, QRgb colour)
{
    if (x < 0 || y < 0 || x >= width() || y >= height())
        return;
    reinterpret_cast<QRgb *>(m_image.scanLine(y))[x] = colour | 0xFF000000u;
}

void Surface::line(QPointF from, QPointF to, QRgb colour)
{
    if (m_image.isNull())
        return;
    if (m_drawWidth > 1) {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPen pen(QColor::fromRgb(colour), m_drawWidth, Qt::SolidLine, Qt::RoundCap,
                 Qt::RoundJoin);
        painter.setPen(pen);
        const QPointF a(toPixel(from.x()), toPixel(from.y()));
        const QPointF b(toPixel(to.x()), toPixel(to.y()));
        if (a == b)
            painter.drawPoint(a);
        else
            painter.drawLine(a, b);
        return;
    }
    // Bresenham, end point left out.
    int x = toPixel(from.x()), y = toPixel(from.y());
    const int xe = toPixel(to.x()), ye = toPixel(to.y());
    if (x == xe && y == ye) {
        setPixel(x, y, colour);
        return;
    }
    const int dx = std::abs(xe - x), sx = x < xe ? 1 : -1;
    const int dy = -std::abs(ye - y), sy = y < ye ? 1 : -1;
    int err = dx + dy;
    while (x != xe || y != ye) {
        setPixel(x, y, colour);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void Surface::setFont(const QFont &font)
{
    m_font = font;
    m_font.setStyleStrategy(QFont::NoAntialias);
}

void Surface::print(const QString &text)
{
    if (!m_image.isNull()) {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setFont(m_font);
        painter.setPen(QColor::fromRgb(m_foreColor));
        const QFontMetrics metrics(m_font);
        painter.drawText(QPointF(toPixel(m_currentX), toPixel(m_currentY) + metrics.ascent()), text);
    }
    m_currentX = 0;
    m_currentY += QFontMetrics(m_font).height();
}

void bitBlt(QImage &dst, int x, int y, int w, int h, const QImage &src, int sx, int sy)
{
    if (w <= 0 || h <= 0)
        return;
    // Clip against the source, then against the destination, moving both origins.
    QRect from(sx, sy, w, h);
    QRect clipped = from.intersected(src.rect());
    QRect to = clipped.translated(x - sx, y - sy).intersected(dst.rect());
    if (to.isEmpty())
        return;
    from = to.translated(sx - x, sy - y);
    const int bytes = to.width() * int(sizeof(QRgb));
    for (int row = 0; row < to.height(); ++row) {
        const auto *in = reinterpret_cast<const QRgb *>(src.constScanLine(from.top() + row)) + from.left();
        auto *out = reinterpret_cast<QRgb *>(dst.scanLine(to.top() + row)) + to.left();
        std::memmove(out, in, size_t(bytes));
    }
}

void stretchBlt(QImage &dst, const QRect &dstRect, const QImage &src, const QRect &srcRect,
                Reduction reduction)
{
    if (&dst == &src) {
        const QImage copy = src;
        stretchImage(dst, dstRect, copy, srcRect, reduction);
        return;
    }
    stretchImage(dst, dstRect, src, srcRect.intersected(src.rect()), reduction);
}
