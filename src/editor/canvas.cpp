#include "canvas.h"

#include "editor.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

Canvas::Canvas(Editor &editor, QWidget *parent, bool border)
    : SurfaceWidget(&editor.picture(), parent, border)
    , m_editor(editor)
    , m_pictureOrigin(origin())
{
    setCursor(Qt::CrossCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true); // the coordinate readout follows the pointer without a button
    connect(&editor, &Editor::overlayChanged, this, qOverload<>(&QWidget::update));
    connect(&editor, &Editor::canvasFocusRequested, this, [this] { setFocus(Qt::OtherFocusReason); });
}

void Canvas::setScale(QPoint origin, int factor)
{
    if (origin == m_pictureOrigin && factor == m_factor)
        return;
    m_pictureOrigin = origin;
    m_factor = factor;
    update();
}

QPointF Canvas::canvasPoint(const QMouseEvent *event) const
{
    const QPointF p = event->position() - QPointF(m_pictureOrigin);
    if (m_factor == 1)
        return p;
    // Enlarged, any point of a pixel's square is that pixel.
    return QPointF(std::floor(p.x() / m_factor), std::floor(p.y() / m_factor));
}

void Canvas::paintPicture(QPaintEvent *event)
{
    SurfaceWidget::paintEvent(event);
}

void Canvas::paintEvent(QPaintEvent *event)
{
    paintPicture(event);
    if (!surface())
        return;
    QPainter painter(this);
    painter.translate(m_pictureOrigin);
    painter.scale(m_factor, m_factor);
    painter.setClipRect(QRect(QPoint(0, 0), surface()->size()));
    m_editor.paintOverlay(painter);
}

void Canvas::mousePressEvent(QMouseEvent *event)
{
    const QPointF p = canvasPoint(event);
    if (m_editor.overlayContains(p)) {
        m_pressOnOverlay = true; // the rubber band takes this click
        return;
    }
    m_editor.press(p, event->button(), event->modifiers());
}

void Canvas::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressOnOverlay)
        return;
    const QPointF p = canvasPoint(event);
    if (m_editor.overlayContains(p)) // pointing at the rubber band focuses the canvas
        m_editor.requestCanvasFocus();
    const Tool *tool = m_editor.currentTool();
    setCursor(tool ? tool->cursorAt(p) : Qt::CrossCursor);
    m_editor.move(p, event->buttons(), event->modifiers());
}

void Canvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressOnOverlay) {
        if (event->buttons() == Qt::NoButton) {
            m_pressOnOverlay = false;
            m_editor.clickOverlay();
        }
        return;
    }
    m_editor.release(canvasPoint(event), event->button());
}

void Canvas::keyPressEvent(QKeyEvent *event)
{
    m_editor.keyPress(Qt::Key(event->key()));
}
