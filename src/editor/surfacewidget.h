#pragma once

#include "platform/surface.h"

#include <QPointer>
#include <QWidget>

// Shows a Surface one pixel for one pixel inside an optional flat one-pixel border
// (the picture boxes of the windows). It repaints when the surface says it changed;
// mouse and key handling is left to subclasses.
class SurfaceWidget : public QWidget
{
    Q_OBJECT

public:
    explicit SurfaceWidget(Surface *surface, QWidget *parent = nullptr, bool border = true);

    Surface *surface() const { return m_surface; }
    // Shows another surface (or none).
    void setSurface(Surface *surface);
    // Where the surface's pixel (0, 0) stands in the widget.
    QPoint origin() const { return m_border ? QPoint(1, 1) : QPoint(0, 0); }

    QSize sizeHint() const override;

protected:
    // The surface changed: by default the whole widget is painted again.
    virtual void surfaceChanged() { update(); }
    void paintEvent(QPaintEvent *event) override;

private:
    QPointer<Surface> m_surface;
    bool m_border = true;
};
