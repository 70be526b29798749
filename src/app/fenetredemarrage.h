#pragma once

#include <QWidget>

// The start-up picture: a borderless window centred on the screen, shown while
// the main window gets ready.
class FenetreDemarrage : public QWidget
{
    Q_OBJECT

public:
    explicit FenetreDemarrage(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};
