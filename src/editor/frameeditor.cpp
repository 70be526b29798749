#include "frameeditor.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr Qt::Edges kHorizontalEdges = Qt::LeftEdge | Qt::RightEdge;
constexpr Qt::Edges kVerticalEdges = Qt::TopEdge | Qt::BottomEdge;

// Corners first: where handles overlap on a small frame, a tie goes to the corner.
constexpr Qt::Edges kHandles[] = {
    Qt::LeftEdge | Qt::TopEdge, Qt::RightEdge | Qt::TopEdge, Qt::LeftEdge | Qt::BottomEdge,
    Qt::RightEdge | Qt::BottomEdge, Qt::LeftEdge, Qt::RightEdge, Qt::TopEdge, Qt::BottomEdge,
};

int roundToInt(double value)
{
    return int(std::lround(value));
}

} // namespace

void FrameEditor::setPicture(QSize pictureSize, QSizeF viewScale)
{
    m_picture = pictureSize.isValid() ? pictureSize : QSize();
    // A scale the view cannot have is taken as one view unit per pixel rather than divided by.
    const auto sane = [](double s) { return std::isfinite(s) && s > 0 ? s : 1.0; };
    m_scale = QSizeF(sane(viewScale.width()), sane(viewScale.height()));
    if (!QRect(QPoint(0, 0), m_picture).contains(m_frame))
        m_frame = QRect();
    m_gesture = Gesture::None;
}

void FrameEditor::setAspect(double widthOverHeight)
{
    m_aspect = std::isfinite(widthOverHeight) && widthOverHeight > 0 ? widthOverHeight : 0;
}

void FrameEditor::setFrame(const QRect &frame)
{
    m_frame = frame.normalized() & QRect(QPoint(0, 0), m_picture);
    if (m_frame.isEmpty())
        m_frame = QRect();
    m_gesture = Gesture::None;
}

QRectF FrameEditor::viewFrame() const
{
    if (m_frame.isEmpty())
        return QRectF();
    return QRectF(m_frame.x() * m_scale.width(), m_frame.y() * m_scale.height(),
                  m_frame.width() * m_scale.width(), m_frame.height() * m_scale.height());
}

QPointF FrameEditor::toSource(QPointF at) const
{
    return QPointF(std::clamp(at.x() / m_scale.width(), 0.0, double(m_picture.width())),
                   std::clamp(at.y() / m_scale.height(), 0.0, double(m_picture.height())));
}

Qt::Edges FrameEditor::handleAt(QPointF at) const
{
    if (m_frame.isEmpty())
        return {};
    const QRectF f = viewFrame();
    Qt::Edges nearest;
    double reach = kHandleReach;
    for (const Qt::Edges edges : kHandles) {
        const double x = edges & Qt::LeftEdge ? f.left() : edges & Qt::RightEdge ? f.right() : f.center().x();
        const double y = edges & Qt::TopEdge ? f.top() : edges & Qt::BottomEdge ? f.bottom() : f.center().y();
        const double distance = std::max(std::abs(at.x() - x), std::abs(at.y() - y));
        if (distance < reach || (!nearest && distance <= reach)) {
            nearest = edges;
            reach = distance;
        }
    }
    return nearest;
}

// The frame from the anchor (a grid point) towards a point (inside the picture); with an
// aspect, the size the driven axes ask for, shrunk to the room the picture has that way.
QRect FrameEditor::spanned(QPoint anchor, QPointF to, Qt::Orientations driven) const
{
    if (m_aspect <= 0) {
        const QPoint corner(roundToInt(to.x()), roundToInt(to.y()));
        return QRect(QPoint(std::min(anchor.x(), corner.x()), std::min(anchor.y(), corner.y())),
                     QPoint(std::max(anchor.x(), corner.x()) - 1, std::max(anchor.y(), corner.y()) - 1));
    }
    const bool leftwards = to.x() < anchor.x(), upwards = to.y() < anchor.y();
    const QSize room(leftwards ? anchor.x() : m_picture.width() - anchor.x(),
                     upwards ? anchor.y() : m_picture.height() - anchor.y());
    const QSize size = aspectSize(std::abs(to.x() - anchor.x()), std::abs(to.y() - anchor.y()), driven, room);
    if (size.isEmpty())
        return QRect();
    return QRect(leftwards ? anchor.x() - size.width() : anchor.x(), upwards ? anchor.y() - size.height() : anchor.y(),
                 size.width(), size.height());
}

QSize FrameEditor::aspectSize(double width, double height, Qt::Orientations driven, QSize room) const
{
    if (driven == Qt::Horizontal)
        height = width / m_aspect;
    else if (driven == Qt::Vertical)
        width = height * m_aspect;
    else if (width < height * m_aspect) // drawing: the frame reaches the pointer both ways
        width = height * m_aspect;
    else
        height = width / m_aspect;
    if (width <= 0 || height <= 0)
        return QSize();
    const double fit = std::min({1.0, room.width() / width, room.height() / height});
    // The longer side is rounded, the other follows it, so the ratio errs by under a pixel.
    int w = 0, h = 0;
    if (m_aspect >= 1) {
        w = roundToInt(width * fit);
        h = roundToInt(w / m_aspect);
    } else {
        h = roundToInt(height * fit);
        w = roundToInt(h * m_aspect);
    }
    return QSize(std::min(w, room.width()), std::min(h, room.height()));
}

// The frame with the edges given moved by a distance (source pixels); the opposite
// corner stays, and a frame dragged over it turns over.
QRect FrameEditor::resized(const QRect &from, Qt::Edges edges, QPointF by) const
{
    const int left = from.x(), top = from.y(), right = left + from.width(), bottom = top + from.height();
    const QPoint anchor(edges & Qt::LeftEdge ? right : left, edges & Qt::TopEdge ? bottom : top);
    QPointF to(edges & Qt::LeftEdge ? left : right, edges & Qt::TopEdge ? top : bottom);
    Qt::Orientations driven;
    if (edges & kHorizontalEdges) {
        to.rx() = std::clamp(to.x() + by.x(), 0.0, double(m_picture.width()));
        driven |= Qt::Horizontal;
    }
    if (edges & kVerticalEdges) {
        to.ry() = std::clamp(to.y() + by.y(), 0.0, double(m_picture.height()));
        driven |= Qt::Vertical;
    }
    return spanned(anchor, to, driven);
}

void FrameEditor::press(QPointF at)
{
    if (m_picture.isEmpty())
        return;
    m_pressAt = at;
    m_before = m_frame;
    m_edges = handleAt(at);
    if (m_edges) {
        m_gesture = Gesture::Resize;
    } else if (viewFrame().contains(at)) {
        m_gesture = Gesture::Move;
    } else {
        m_gesture = Gesture::Draw;
        const QPointF anchor = toSource(at);
        m_anchor = QPoint(roundToInt(anchor.x()), roundToInt(anchor.y()));
    }
}

void FrameEditor::drag(QPointF at)
{
    const QPointF travel((at.x() - m_pressAt.x()) / m_scale.width(), (at.y() - m_pressAt.y()) / m_scale.height());
    switch (m_gesture) {
    case Gesture::None:
        return;
    case Gesture::Draw: {
        const QRect drawn = spanned(m_anchor, toSource(at), Qt::Horizontal | Qt::Vertical);
        m_frame = drawn.isEmpty() ? m_before : drawn;
        return;
    }
    case Gesture::Move:
        m_frame = m_before;
        m_frame.moveTo(std::clamp(m_before.x() + roundToInt(travel.x()), 0, m_picture.width() - m_before.width()),
                       std::clamp(m_before.y() + roundToInt(travel.y()), 0, m_picture.height() - m_before.height()));
        return;
    case Gesture::Resize:
        // Back where it was pressed, the frame is exactly as it was, even when rounding
        // to the aspect would change it.
        if (at == m_pressAt) {
            m_frame = m_before;
        } else if (const QRect resizedFrame = resized(m_before, m_edges, travel); !resizedFrame.isEmpty()) {
            m_frame = resizedFrame;
        }
        return;
    }
}

bool FrameEditor::release(QPointF at)
{
    if (!dragging())
        return false;
    drag(at);
    m_gesture = Gesture::None;
    return m_frame != m_before;
}

bool FrameEditor::key(int key, Qt::KeyboardModifiers modifiers)
{
    if (m_frame.isEmpty() || dragging())
        return false;
    const QPoint step(std::max(1, roundToInt(1 / m_scale.width())), std::max(1, roundToInt(1 / m_scale.height())));
    QPoint by;
    switch (key) {
    case Qt::Key_Left: by = {-step.x(), 0}; break;
    case Qt::Key_Right: by = {step.x(), 0}; break;
    case Qt::Key_Up: by = {0, -step.y()}; break;
    case Qt::Key_Down: by = {0, step.y()}; break;
    default: return false;
    }
    QRect changed = m_frame;
    if (modifiers & Qt::ShiftModifier) {
        // Shrinking stops at one pixel rather than turning the frame over.
        by = QPoint(std::max(by.x(), 1 - m_frame.width()), std::max(by.y(), 1 - m_frame.height()));
        changed = resized(m_frame, by.x() ? Qt::RightEdge : Qt::BottomEdge, by);
    } else {
        changed.moveTo(std::clamp(m_frame.x() + by.x(), 0, m_picture.width() - m_frame.width()),
                       std::clamp(m_frame.y() + by.y(), 0, m_picture.height() - m_frame.height()));
    }
    if (changed.isEmpty() || changed == m_frame)
        return false;
    m_frame = changed;
    return true;
}

Qt::CursorShape FrameEditor::cursorAt(QPointF at) const
{
    if (m_picture.isEmpty())
        return Qt::ArrowCursor;
    const Qt::Edges edges = handleAt(at);
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        return Qt::SizeFDiagCursor;
    if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        return Qt::SizeBDiagCursor;
    if (edges & kHorizontalEdges)
        return Qt::SizeHorCursor;
    if (edges & kVerticalEdges)
        return Qt::SizeVerCursor;
    return viewFrame().contains(at) ? Qt::SizeAllCursor : Qt::CrossCursor;
}
