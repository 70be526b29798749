#pragma once

#include "rectangulartool.h"

// An ellipse outline one pixel wide in its box. The box keeps its top-left
// corner at the anchor and only grows right and down. Enter does not validate
// it and the arrows do not move it: only its own button draws it.
class EllipseTool : public RectangularTool
{
public:
    using RectangularTool::RectangularTool;

    bool validatedByEnter() const override { return false; }

protected:
    void draw(Surface &picture) override;
    void paintPending(QPainter &painter) const override;

private:
    QRectF box() const;
};
