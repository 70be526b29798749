#pragma once

#include <QAbstractButton>
#include <QPixmap>

// A picture that clicks when the user presses and releases the left button over
// it: the magnifier and the spinners' arrows. It takes no keyboard focus (the
// spinners answer the mouse and its wheel). With auto-repeat on (an arrow),
// held down it clicks after 400 ms and then every 60 ms, and a release after
// those clicks adds none.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr int kRepeatDelay = 400; // ms
    static constexpr int kRepeatInterval = 60;

    explicit PictureButton(const QImage &picture, QWidget *parent = nullptr);

    QSize sizeHint() const override { return m_picture.size(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    bool m_repeated = false; // the held button already clicked
};

// The mouse wheel over a spinner's box clicks its arrows: one step per notch,
// up for the "+" arrow.
void spinWithWheel(QWidget *box, PictureButton *minus, PictureButton *plus);
