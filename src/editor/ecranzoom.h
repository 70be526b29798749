#pragma once

#include "canvas.h"

// The work picture enlarged on a simulated calculator screen: each pixel a square
// dot of the largest whole size that fits (2 to 8), black when the pixel is set,
// on a white screen, centred. It is a canvas of the same editor: every tool works
// in it as on the picture itself, and it repaints whenever the picture changes.
class EcranZoom : public Canvas
{
    Q_OBJECT

public:
    static constexpr int kFacteurMin = 2;
    static constexpr int kFacteurMax = 8;

    explicit EcranZoom(Editor &editor, QWidget *parent = nullptr);

    QSize sizeHint() const override { return QSize(486, 304); }
    QSize minimumSizeHint() const override;

protected:
    void paintPicture(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void ajusterEchelle();

    QImage m_points; // the picture as dots: black where a pixel is set, else white
};
