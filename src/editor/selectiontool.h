#pragma once

#include "tool.h"

#include <QImage>
#include <QRect>

#include <functional>

// The selection: a rectangle of the picture dragged out with the pointer (clipped to
// the picture), whose pixels can be moved, copied, cut, cleared, flipped and inverted.
// A drag inside it lifts its pixels: they float over the picture, where they came
// from showing white, until they are laid down by a validation (Enter, a press
// outside, another tool, Échap, any command that reads the picture), which is one
// undo step. A pasted picture floats the same way. Each command on the selected
// pixels is one undo step of its own; with nothing selected, flips and inversion
// take the whole picture.
class SelectionTool : public Tool
{
public:
    using Tool::Tool;

    void press(const QPointF &at, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) override;
    void drag(const QPointF &at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) override;
    void endStroke() override { m_dragging = Dragging::None; }
    // The arrows move the selected pixels (lifting them) by one pixel.
    void nudge(QPoint by) override;
    // Lays floating pixels down and drops the selection.
    void cancel() override;
    // Over the selection, the pointer says its pixels can be moved.
    Qt::CursorShape cursorAt(const QPointF &at) const override;

    // The selection in picture pixels, empty when there is none. Floating pixels
    // may stand partly outside the picture: only what lies inside is laid down.
    QRect area() const { return pending() ? m_area : QRect(); }
    bool floating() const { return !m_pixels.isNull(); }

    void selectAll();
    // The selected pixels (the floating ones whole); null with no selection.
    QImage selectedPixels() const;
    // Suppr: the selected pixels become white (floating ones are dropped).
    void clear();
    // The pixels float with their top-left corner at the given point, selected.
    void paste(const QImage &pixels, QPoint at);
    void flip(Qt::Orientation orientation);
    // Black becomes white and white black.
    void invert();

    // What a pasted picture becomes in a work picture of the given size: cut to it,
    // transparent parts white, then black where darker than mid-grey.
    static QImage pixelsToPaste(const QImage &image, QSize bound);

protected:
    void draw(Surface &picture) override;
    void paintPending(QPainter &painter) const override;

private:
    enum class Dragging { None, Outline, Pixels };

    void select(const QRect &area);
    // Lifts the selected pixels off the picture; nothing changes in it until they are laid down.
    void lift();
    void moveTo(QPoint topLeft);
    // Floating pixels are laid down first (one step); then the change applies to the
    // selected pixels, or the whole picture, as one step. The selection stays.
    void changePixels(const std::function<void(QImage &)> &change);

    QRect m_area;
    QImage m_pixels;    // the floating pixels, null when nothing floats
    QRect m_origin;     // where they were lifted from (empty for a paste)
    QPoint m_anchor;    // where a drawn outline started
    QPoint m_grip;      // where the pointer holds floating pixels, from their corner
    Dragging m_dragging = Dragging::None;
};
