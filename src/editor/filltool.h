#pragma once

#include "tool.h"

#include <QImage>

// Paints the 4-connected area of pixels of at's colour in colour; false when at
// is outside the picture or already of that colour (nothing changed).
bool floodFill(QImage &image, QPoint at, QRgb colour);

// A left click fills the clicked area in black, a right click in white; each
// fill is one undo step.
class FillTool : public Tool
{
public:
    using Tool::Tool;

    void press(const QPointF &at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
};
