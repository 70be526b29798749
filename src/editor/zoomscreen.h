#pragma once

#include "canvas.h"

#include "dotmatrix/dotmatrix.h"

#include <vector>

// The work picture enlarged on the calculator's LCD screen: picture pixel (x, y)
// is the LCD dot at column x, row y + 1, a square of the largest whole size that
// fits (2 to 8), black when the pixel is set (anything but white), on a white
// screen, centred. It is a canvas of the same editor: every tool works in it as
// on the picture itself. When the picture changes, only the dots whose pixel
// changed are lit or cleared, and only they are repainted.
class ZoomScreen : public Canvas
{
    Q_OBJECT

public:
    static constexpr int kMinFactor = 2;
    static constexpr int kMaxFactor = 8;
    // The part of a picture the screen can show: 16-bit dot positions at the
    // largest factor, and the rows the LCD copies to its display whole.
    static constexpr QSize kLargestPicture{32767 / kMaxFactor - 1, 198};

    explicit ZoomScreen(Editor &editor, QWidget *parent = nullptr);

    QSize sizeHint() const override { return QSize(486, 304); }
    QSize minimumSizeHint() const override;

protected:
    // Only the dots whose pixel changed are painted again.
    void surfaceChanged() override { update(follow()); }
    void paintPicture(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void fitScale();
    void layOut();
    QRect follow();
    QRect lightChangedDots();
    QPoint displayOrigin() const;

    // The LCD control whose display the screen shows, its dot size the factor.
    DotMatrix m_lcd{DotMatrixPolicy::lcd};
    // The picture size the dots are laid out for.
    QSize m_pictureSize;
    // The dots lit, row by row over the shown part of the picture.
    std::vector<bool> m_lit;
};
