#pragma once

#include "tool.h"

#include <QRectF>
#include <QStringList>

// The editor's text as a floating label: a click places it, its top-left corner
// at the pointer; a click elsewhere, or on the label itself, takes it away.
// Validation prints it in black in the editor's font, every line starting at
// the label's left edge; only glyph pixels change.
class TextTool : public Tool
{
public:
    using Tool::Tool;

    void release(const QPointF &at, Qt::MouseButton button) override;
    void nudge(QPoint by) override;
    bool overlayContains(const QPointF &at) const override;
    void overlayClicked() override;

    // The lines of the text, as the label shows them and validation prints them.
    QStringList lines() const;
    // The area the label covers on the canvas (empty when the text is).
    QRectF labelRect() const;

protected:
    void draw(Surface &picture) override;
    void paintPending(QPainter &painter) const override;

private:
    QPointF m_topLeft; // as the pointer gave it
};
