#include "selectiontool.h"

#include "convert/monochrome.h"
#include "platform/surface.h"

#include <QPainter>

#include <algorithm>

namespace {

QPoint clamped(QPoint p, const QRect &bounds)
{
    return QPoint(std::clamp(p.x(), bounds.left(), bounds.right()), std::clamp(p.y(), bounds.top(), bounds.bottom()));
}

void whiten(QImage &image, const QRect &part)
{
    if (!part.isEmpty())
        QPainter(&image).fillRect(part, QColor(kWhite));
}

} // namespace

void SelectionTool::press(const QPointF &at, Qt::MouseButton button, Qt::KeyboardModifiers)
{
    if (button != Qt::LeftButton || picture().rect().isEmpty())
        return;
    const QPoint p = truncate(at);
    if (pending() && m_area.contains(p)) {
        lift();
        m_grip = p - m_area.topLeft();
        m_dragging = Dragging::Pixels;
        return;
    }
    validate(); // a press outside lays the selection down
    m_anchor = clamped(p, picture().rect());
    m_dragging = Dragging::Outline;
}

void SelectionTool::drag(const QPointF &at, Qt::MouseButtons, Qt::KeyboardModifiers)
{
    if (m_dragging == Dragging::Outline)
        select(QRect(m_anchor, clamped(truncate(at), picture().rect())).normalized());
    else if (m_dragging == Dragging::Pixels)
        moveTo(truncate(at) - m_grip);
}

void SelectionTool::nudge(QPoint by)
{
    if (!pending())
        return;
    lift();
    moveTo(m_area.topLeft() + by);
}

void SelectionTool::cancel()
{
    m_dragging = Dragging::None;
    if (floating()) {
        validate();
        return;
    }
    setPending(false);
    m_area = {};
    overlayChanged();
}

Qt::CursorShape SelectionTool::cursorAt(const QPointF &at) const
{
    return pending() && m_area.contains(truncate(at)) ? Qt::SizeAllCursor : Qt::CrossCursor;
}

void SelectionTool::selectAll()
{
    validate();
    select(picture().rect());
}

QImage SelectionTool::selectedPixels() const
{
    if (!pending())
        return {};
    return floating() ? m_pixels : picture().image().copy(m_area);
}

void SelectionTool::clear()
{
    if (!pending())
        return;
    if (!floating()) {
        changePixels([](QImage &pixels) { pixels.fill(kWhite); });
        return;
    }
    // The floating pixels go; what lies under them stays, and their origin stays white.
    const QRect landed = m_area & picture().rect();
    whiten(picture().image(), m_origin);
    m_pixels = {};
    m_origin = {};
    picture().refresh();
    select(landed);
    finishStep();
}

void SelectionTool::paste(const QImage &pixels, QPoint at)
{
    if (pixels.isNull())
        return;
    validate();
    m_pixels = pixels.convertToFormat(QImage::Format_RGB32);
    m_origin = {};
    m_area = QRect(at, pixels.size());
    setPending(true);
    overlayChanged();
}

void SelectionTool::flip(Qt::Orientation orientation)
{
    changePixels([orientation](QImage &pixels) {
        pixels = pixels.mirrored(orientation == Qt::Horizontal, orientation == Qt::Vertical);
    });
}

void SelectionTool::invert()
{
    changePixels([](QImage &pixels) { pixels.invertPixels(); });
}

QImage SelectionTool::pixelsToPaste(const QImage &image, QSize bound)
{
    // Only the part that fits is ever copied, however large the picture.
    const QRect kept = QRect(QPoint(0, 0), bound) & image.rect();
    if (kept.isEmpty())
        return {};
    QImage pixels(kept.size(), QImage::Format_RGB32);
    pixels.fill(kWhite);
    QPainter(&pixels).drawImage(QPoint(0, 0), image, kept);
    monochrome::threshold(pixels, 0, false);
    return pixels;
}

void SelectionTool::draw(Surface &picture)
{
    if (floating()) {
        whiten(picture.image(), m_origin);
        bitBlt(picture.image(), m_area.x(), m_area.y(), m_pixels.width(), m_pixels.height(), m_pixels, 0, 0);
    }
    m_pixels = {};
    m_origin = {};
    m_area = {};
    m_dragging = Dragging::None;
}

void SelectionTool::paintPending(QPainter &painter) const
{
    if (floating()) {
        painter.fillRect(m_origin, QColor(kWhite));
        painter.drawImage(m_area.topLeft(), m_pixels);
    }
    // Through the middle of the edge pixels, so that the outline shows at the
    // picture's edges too and covers the selected pixels alone.
    const double inset = 0.5 / std::max(1.0, painter.transform().m11());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(overlayPen(1));
    painter.drawRect(QRectF(m_area).adjusted(inset, inset, -inset, -inset));
}

void SelectionTool::select(const QRect &area)
{
    m_area = area & picture().rect();
    setPending(!m_area.isEmpty());
    overlayChanged();
}

void SelectionTool::lift()
{
    if (floating())
        return;
    m_pixels = picture().image().copy(m_area);
    m_origin = m_area;
}

void SelectionTool::moveTo(QPoint topLeft)
{
    // At least one pixel stays on the picture, so the selection can always be taken back.
    const QRect bounds(QPoint(1 - m_area.width(), 1 - m_area.height()), picture().rect().bottomRight());
    m_area.moveTopLeft(clamped(topLeft, bounds));
    overlayChanged();
}

void SelectionTool::changePixels(const std::function<void(QImage &)> &change)
{
    if (floating()) {
        const QRect landed = m_area & picture().rect();
        validate();
        select(landed);
    }
    const QRect part = pending() ? m_area : picture().rect();
    if (part.isEmpty())
        return;
    QImage pixels = picture().image().copy(part);
    change(pixels);
    bitBlt(picture().image(), part.x(), part.y(), part.width(), part.height(), pixels, 0, 0);
    picture().refresh();
    overlayChanged();
    finishStep();
}
