#pragma once

#include "tool.h"

// A straight line of the line width: a press starts it, a drag moves its end,
// another press starts it anew; the end points keep the pointer's position as it came.
class LineTool : public Tool
{
public:
    using Tool::Tool;

    void press(const QPointF &at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
    void drag(const QPointF &at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) override;
    void nudge(QPoint by) override;

protected:
    void draw(Surface &picture) override;
    void paintPending(QPainter &painter) const override;

private:
    QPointF m_start;
    QPointF m_end;
};
