#pragma once

#include "editor/surfacewidget.h"

class Editor;

// The editing canvas: shows the editor's picture with the current tool's rubber
// band on top (it never touches the picture), a cross-hair pointer, and forwards
// the pointer in canvas pixels and the keys to the editor. A press on a rubber
// band that takes presses (the placed text label) is a click on it, not on the picture.
class Canvas : public SurfaceWidget
{
    Q_OBJECT

public:
    explicit Canvas(Editor &editor, QWidget *parent = nullptr, bool border = true);

    // Each picture pixel is shown as a factor x factor square.
    int factor() const { return m_factor; }
    // Where the picture's pixel (0, 0) stands in the widget.
    QPoint pictureOrigin() const { return m_pictureOrigin; }

protected:
    Editor &editor() const { return m_editor; }
    void setScale(QPoint origin, int factor);
    // Paints the picture itself; the rubber band goes on top.
    virtual void paintPicture(QPaintEvent *event);

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPointF canvasPoint(const QMouseEvent *event) const;

    Editor &m_editor;
    QPoint m_pictureOrigin;
    int m_factor = 1;
    bool m_pressOnOverlay = false; // the press landed on the rubber band: its release is a click on it
};
