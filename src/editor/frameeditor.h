#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

// The frame ("Cadre") laid on a picture through a view of it: the part of the source
// the conversion keeps. The frame is held in source pixels, always inside the picture
// and at least one pixel each way (an empty frame: the whole picture); the pointer
// comes in view units, the view showing the source scaled by viewScale (view units
// per source pixel on each axis). Frame edges follow the grid line nearest the pointer.
class FrameEditor
{
public:
    // How near (view units, on each axis) the pointer must be to a handle to grab it.
    static constexpr double kHandleReach = 3.0;

    // The picture the frame lies on (source pixels) and the view's scale. A frame that
    // no longer fits is dropped; a gesture in progress ends.
    void setPicture(QSize pictureSize, QSizeF viewScale);
    QSize pictureSize() const { return m_picture; }
    QSizeF viewScale() const { return m_scale; }
    // Width / height (source pixels) that drawing and resizing keep; 0: free. The frame
    // already set keeps its proportions until it is next drawn or resized.
    void setAspect(double widthOverHeight);
    double aspect() const { return m_aspect; }

    // Source pixels; empty: no frame (the whole picture).
    QRect frame() const { return m_frame; }
    // Clipped to the picture; less than one pixel either way: no frame. Ends a gesture.
    void setFrame(const QRect &frame);
    // The frame in view units, for painting.
    QRectF viewFrame() const;

    // A press on a handle (corners and edge middles) resizes the frame, inside it moves
    // it, anywhere else draws a new one anchored there. Nothing without a picture.
    void press(QPointF at);
    void drag(QPointF at);
    // Ends the gesture: true when the frame differs from the one before the press. A
    // drawing smaller than one source pixel either way keeps the frame there was.
    bool release(QPointF at);
    bool dragging() const { return m_gesture != Gesture::None; }

    // Arrows move the frame by one view pixel (at least one source pixel), Shift+arrows
    // move its right and bottom edges; true when the frame changed. Nothing without a
    // frame or during a gesture.
    bool key(int key, Qt::KeyboardModifiers modifiers);
    // A move cursor inside the frame, resize cursors on handles, a cross elsewhere.
    Qt::CursorShape cursorAt(QPointF at) const;

private:
    enum class Gesture { None, Draw, Move, Resize };

    QPointF toSource(QPointF at) const;
    Qt::Edges handleAt(QPointF at) const;
    QRect spanned(QPoint anchor, QPointF to, Qt::Orientations driven) const;
    QSize aspectSize(double width, double height, Qt::Orientations driven, QSize room) const;
    QRect resized(const QRect &from, Qt::Edges edges, QPointF by) const;

    QSize m_picture;
    QSizeF m_scale{1, 1};
    double m_aspect = 0;
    QRect m_frame;

    Gesture m_gesture = Gesture::None;
    Qt::Edges m_edges;   // the handle being dragged
    QPointF m_pressAt;   // view units
    QRect m_before;      // the frame at the press
    QPoint m_anchor;     // where a drawing started (source pixels)
};
