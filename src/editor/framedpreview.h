#pragma once

#include "editor/frameeditor.h"
#include "editor/surfacewidget.h"

// The source preview with the frame on it: everything outside the frame dimmed, the
// frame's edge dashed black and white so that it shows on any picture. The left
// button draws, moves and resizes the frame, a double-click returns to the whole
// picture, arrows move it and Shift+arrows resize it (once the preview has focus).
class FramedPreview : public SurfaceWidget
{
    Q_OBJECT

public:
    // How much the dimming darkens the part left out (alpha of a black fill).
    static constexpr int kDimAlpha = 128;

    explicit FramedPreview(Surface *surface, QWidget *parent = nullptr);

    const FrameEditor &frameEditor() const { return m_editor; }
    // These pass on to the frame editor and repaint; none emits frameChosen().
    void setPicture(QSize pictureSize, QSizeF viewScale);
    void setAspect(double widthOverHeight) { m_editor.setAspect(widthOverHeight); }
    void setFrame(const QRect &frame);

    // The frame in the surface's pixels, as painted (empty: no frame).
    QRect shownFrame() const;

signals:
    // The user changed the frame (source pixels; empty: the whole picture).
    void frameChosen(const QRect &frame);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPointF viewPoint(const QMouseEvent *event) const;

    FrameEditor m_editor;
};
