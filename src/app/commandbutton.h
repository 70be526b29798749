#pragma once

#include "buttonfaces.h"

#include <QAbstractButton>
#include <QPixmap>

#include <array>

// The program's push button: a fixed 143 x 25 face that shows its normal, hover
// or pressed picture under a centred caption. Any mouse button presses it, and
// Space while it has the keyboard focus, which only Tab gives and a dotted
// rectangle shows; it clicks on the release. Once left by the pointer it keeps
// its hover look until the container calls resetLook().
class CommandButton : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr QSize kSize{143, 25};
    // Where the face picture and the caption stand inside the button (pixels).
    static constexpr QPoint kFaceOrigin{-3, -3};
    static constexpr QRect kCaptionRect{0, 5, 145, 25};

    explicit CommandButton(QWidget *parent = nullptr);

    // Back to the normal look: the pointer moved over the container's background.
    void resetLook();
    // The look on show: pressed while Space holds the button down.
    ButtonLook look() const;
    // The button's font, a little smaller where the caption would not fit
    // between its edges (a wide substitute for the usual small face).
    QFont captionFont() const;

    QSize sizeHint() const override { return kSize; }
    QSize minimumSizeHint() const override { return kSize; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    static constexpr int kSmallestPixels = 8;
    static constexpr double kSmallestPoints = 6.0;

    void showLook(ButtonLook look);

    // By look, then without and with the focus mark.
    std::array<std::array<QPixmap, 2>, 3> m_faces;
    ButtonLook m_look = ButtonLook::Normal;
    bool m_keyDown = false; // Space, not the mouse, holds it down
    bool m_otherMouseButtonDown = false; // Qt's own press takes the left button only
};
