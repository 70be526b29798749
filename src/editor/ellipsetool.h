#pragma once

#include "rectangulartool.h"

// An ellipse outline one pixel wide in its box, symmetric about the box's centre
// lines. The box keeps its top-left corner at the anchor and only grows right and
// down; the arrows do not move it.
class EllipseTool : public RectangularTool
{
public:
    using RectangularTool::RectangularTool;

protected:
    void draw(Surface &picture) override;
    void paintPending(QPainter &painter) const override;

private:
    QRectF box() const;
};
