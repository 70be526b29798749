#pragma once

#include <QLabel>

// An Image control: shows a picture and raises Click when the user presses and
// releases the left button over it.
class ImageCliquable : public QLabel
{
    Q_OBJECT

public:
    explicit ImageCliquable(const QImage &image, QWidget *parent = nullptr);

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool m_appuye = false;
};
