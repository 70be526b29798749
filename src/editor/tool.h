#pragma once

#include <QPen>
#include <QPoint>
#include <QPointF>
#include <Qt>

#include <algorithm>
#include <climits>
#include <cmath>

class Editor;
class QPainter;
class Surface;

// One editing tool. The editor routes the canvas's pointer and arrow keys to its
// current tool, points in canvas pixels as they came (fractional when the canvas
// shows the picture one to one), and only for the buttons the tools use (left,
// right, middle). A subclass overrides what it needs:
// - press/drag/release: the pointer; endStroke(): it stopped dragging (a
//   release, a move with no button held, a press of another button, a change of
//   tool), so the next drag starts afresh.
// - A tool that lays a shape out before drawing it marks it pending
//   (setPending), paints it as a rubber band in paintPending() and draws it into
//   the picture in draw(). validate() then draws it once, ends one undo step and
//   drops it (Enter on a canvas validates the current tool's); cancel() drops it
//   undrawn; nudge() moves it by the arrow keys.
// - A rubber band that takes presses for itself (a floating label) answers
//   overlayContains() and handles overlayClicked().
// - A tool that changes the picture directly calls finishStep() when the change
//   is one undo step of its own.
// Whatever changes the rubber band calls overlayChanged() so the canvases repaint.
class Tool
{
public:
    explicit Tool(Editor &editor);
    virtual ~Tool() = default;
    Tool(const Tool &) = delete;
    Tool &operator=(const Tool &) = delete;

    virtual void press(const QPointF &, Qt::MouseButton, Qt::KeyboardModifiers) {}
    virtual void drag(const QPointF &, Qt::MouseButtons, Qt::KeyboardModifiers) {}
    virtual void release(const QPointF &, Qt::MouseButton) {}
    virtual void endStroke() {}
    // An arrow key: by is one pixel along one axis.
    virtual void nudge(QPoint) {}

    // A shape is laid out and not drawn yet.
    bool pending() const { return m_pending; }
    // Draws the pending shape into the picture: one undo step. Nothing pending, nothing happens.
    void validate();
    // Drops the pending shape undrawn.
    virtual void cancel() { m_pending = false; }

    // Paints the rubber band of the pending shape, the painter in canvas pixels
    // and clipped to the picture.
    void paintOverlay(QPainter &painter) const;
    // Whether the rubber band takes a press at this point for itself, as a
    // floating label does; such a press ends in overlayClicked() on release.
    virtual bool overlayContains(const QPointF &) const { return false; }
    // The pointer's shape over this point of the canvas.
    virtual Qt::CursorShape cursorAt(const QPointF &) const { return Qt::CrossCursor; }
    virtual void overlayClicked() {}

    // The rubber band's colour, seen on black and white pixels alike.
    static QColor overlayColour();
    // A dashed pen of the rubber band's colour, width in canvas pixels.
    static QPen overlayPen(int width);
    // Truncation toward zero, kept inside int so a far-off pointer stays harmless.
    static int truncate(double v)
    {
        return std::isnan(v) ? 0 : int(std::clamp(std::trunc(v), double(INT_MIN), double(INT_MAX)));
    }
    static QPoint truncate(const QPointF &p) { return QPoint(truncate(p.x()), truncate(p.y())); }

protected:
    Editor &editor() const { return m_editor; }
    Surface &picture() const { return m_picture; }
    void setPending(bool pending) { m_pending = pending; }
    virtual void draw(Surface &) {}
    virtual void paintPending(QPainter &) const {}
    void overlayChanged() const;
    void finishStep() const;

private:
    Editor &m_editor;
    Surface &m_picture; // the editor's picture
    bool m_pending = false;
};
