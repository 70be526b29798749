#pragma once

#include "facesbouton.h"

#include <QPixmap>
#include <QVariant>
#include <QWidget>

#include <array>

class QLabel;

// The program's push button: a fixed 143 x 25 face that shows its normal, hover
// or pressed picture under a centred caption, and raises Click. Once left, it
// keeps its hover look until the container calls retour().
class BoutonPoussoir : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kSize{143, 25};
    // Where the face picture and the caption stand inside the button (pixels).
    static constexpr QPoint kFaceOrigin{-3, -3};
    static constexpr QRect kCaptionRect{0, 5, 145, 25};

    explicit BoutonPoussoir(QWidget *parent = nullptr);

    // The caption becomes the value as text.
    void text(const QVariant &texte);
    // Back to the normal picture.
    void retour();

    QString caption() const;
    AspectBouton look() const { return m_look; }

    QSize sizeHint() const override { return kSize; }
    QSize minimumSizeHint() const override { return kSize; }

signals:
    void Click();

protected:
    void changeEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    static constexpr int kSmallestPixels = 8;
    static constexpr double kSmallestPoints = 6.0;

    void showLook(AspectBouton look);
    void fitCaption();

    QLabel *m_face;
    QLabel *m_caption;
    std::array<QPixmap, 3> m_pictures;
    AspectBouton m_look = AspectBouton::Normal;
    bool m_pressed = false;
};
