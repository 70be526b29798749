#pragma once

#include "tool.h"

#include <QRect>

// A shape laid out in a box: a press anchors the box at the pixel it points at, a
// drag moves the box's other corner, and a press while a shape is pending drops
// it (cancel). A subclass paints the box's shape and draws it.
class RectangularTool : public Tool
{
public:
    using Tool::Tool;

    void press(const QPointF &at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
    void drag(const QPointF &at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) override;

protected:
    // Where the press anchored the box.
    QPoint anchor() const { return m_anchor; }
    // The other corner, where the drag last stood (the anchor until it moves).
    QPointF corner() const { return m_corner; }
    void moveBy(QPoint by);

private:
    QPoint m_anchor;
    QPointF m_corner;
};
