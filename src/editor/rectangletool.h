#pragma once

#include "rectangulartool.h"

// A rectangle between the anchor pixel and the pixel under the pointer, both
// inside it: an outline of the line width grown inwards from its edge, or the
// whole area when Shift was held at the press or during the drag.
class RectangleTool : public RectangularTool
{
public:
    using RectangularTool::RectangularTool;

    void press(const QPointF &at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
    void drag(const QPointF &at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) override;
    void nudge(QPoint by) override { moveBy(by); }

protected:
    void draw(Surface &picture) override;
    void paintPending(QPainter &painter) const override;

private:
    QRect rect() const;

    bool m_filled = false;
};
