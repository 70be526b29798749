#include "framedpreview.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>

namespace {

// Dash and gap lengths of the frame's edge, in pixels.
constexpr qreal kDash = 3;

} // namespace

FramedPreview::FramedPreview(Surface *surface, QWidget *parent)
    : SurfaceWidget(surface, parent)
{
    setFocusPolicy(Qt::StrongFocus); // a click gives the arrows to the frame
    setMouseTracking(true);          // the cursor tells what a press would do
}

void FramedPreview::setPicture(QSize pictureSize, QSizeF viewScale)
{
    m_editor.setPicture(pictureSize, viewScale);
    update();
}

void FramedPreview::setFrame(const QRect &frame)
{
    m_editor.setFrame(frame);
    update();
}

QRect FramedPreview::shownFrame() const
{
    const QRectF f = m_editor.viewFrame();
    if (f.isEmpty())
        return QRect();
    // Whole view pixels, at least one each way, even for a source pixel at the view's last edge.
    const QSizeF view(m_editor.pictureSize().width() * m_editor.viewScale().width(),
                      m_editor.pictureSize().height() * m_editor.viewScale().height());
    const int left = std::min(qRound(f.left()), qRound(view.width()) - 1);
    const int top = std::min(qRound(f.top()), qRound(view.height()) - 1);
    const int right = std::max(left + 1, qRound(f.right())), bottom = std::max(top + 1, qRound(f.bottom()));
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

QPointF FramedPreview::viewPoint(const QMouseEvent *event) const
{
    return event->position() - QPointF(origin());
}

void FramedPreview::paintEvent(QPaintEvent *event)
{
    SurfaceWidget::paintEvent(event);
    const QRect shown = shownFrame();
    if (!surface() || shown.isEmpty())
        return;
    QPainter painter(this);
    painter.translate(origin());
    const QRect area(QPoint(0, 0), surface()->size());
    painter.setClipRect(area);
    for (const QRect &r : QRegion(area).subtracted(shown))
        painter.fillRect(r, QColor(0, 0, 0, kDimAlpha));
    // Drawn in logical pixels through their centres, the edge covers exactly the frame's
    // outer ring at any device pixel ratio.
    const QRectF edge = QRectF(shown).adjusted(0.5, 0.5, -0.5, -0.5);
    QPen pen(Qt::white, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(edge);
    pen.setColor(Qt::black);
    pen.setDashPattern({kDash, kDash});
    painter.setPen(pen);
    painter.drawRect(edge);
}

void FramedPreview::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_editor.press(viewPoint(event));
}

void FramedPreview::mouseMoveEvent(QMouseEvent *event)
{
    const QPointF at = viewPoint(event);
    if (!m_editor.dragging()) {
        setCursor(m_editor.cursorAt(at));
        return;
    }
    const QRect before = m_editor.frame();
    m_editor.drag(at);
    if (m_editor.frame() != before)
        update();
}

void FramedPreview::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_editor.dragging())
        return;
    const QPointF at = viewPoint(event);
    const bool changed = m_editor.release(at);
    setCursor(m_editor.cursorAt(at));
    update();
    if (changed)
        emit frameChosen(m_editor.frame());
}

void FramedPreview::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Not a press: the double-click returns to the whole picture and starts no gesture.
    if (event->button() != Qt::LeftButton || m_editor.frame().isEmpty())
        return;
    m_editor.setFrame(QRect());
    setCursor(m_editor.cursorAt(viewPoint(event)));
    update();
    emit frameChosen(QRect());
}

void FramedPreview::keyPressEvent(QKeyEvent *event)
{
    if (!m_editor.key(event->key(), event->modifiers())) {
        SurfaceWidget::keyPressEvent(event);
        return;
    }
    update();
    emit frameChosen(m_editor.frame());
}
