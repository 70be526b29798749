#pragma once

#include <QLabel>
#include <QTimer>

// An Image control: shows a picture and raises Click when the user presses and
// releases the left button over it. A repeating one (a spinner's arrow), held
// down, clicks again and again: first after 400 ms, then every 60 ms.
class ImageCliquable : public QLabel
{
    Q_OBJECT

public:
    explicit ImageCliquable(const QImage &image, QWidget *parent = nullptr);

    void setRepetable(bool repetable) { m_repetable = repetable; }

    static constexpr int kDelaiRepetition = 400; // ms
    static constexpr int kIntervalleRepetition = 60;

signals:
    void Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void repeter();

    bool m_repetable = false;
    bool m_appuye = false;
    bool m_repete = false; // the held button already clicked: its release does not
    QTimer m_repetition;
};

// The mouse wheel over a spinner's box clicks its arrows: one step per notch,
// up for the "+" arrow.
void molettePourCompteur(QWidget *boite, ImageCliquable *moins, ImageCliquable *plus);
