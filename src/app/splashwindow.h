#pragma once

#include <QWidget>

// The start-up picture: a borderless window centred on the screen, shown while
// the main window gets ready.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};
