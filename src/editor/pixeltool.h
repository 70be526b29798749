#pragma once

#include "tool.h"

#include "platform/colour.h"

#include <optional>

// Pixel On and Pixel off: paints pixel-size squares of one colour under the
// pointer, their top-left corner at the pixel it points at. A drag paints every
// square along the way (Bresenham) so a fast stroke stays continuous.
class PixelTool : public Tool
{
public:
    PixelTool(Editor &editor, QRgb colour) : Tool(editor), m_colour(colour) {}

    void press(const QPointF &at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
    void drag(const QPointF &at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) override;
    void endStroke() override { m_lastSquare.reset(); }

private:
    void paintTo(const QPointF &at);
    void paintSquare(QPoint at);

    QRgb m_colour = kBlack;
    // The square the stroke painted last (none outside a stroke).
    std::optional<QPoint> m_lastSquare;
};
