#pragma once

#include "convert/dithering.h"

#include <QAbstractButton>
#include <QImage>

// One picture of the methods gallery: the picture as a method converts it, at twice
// its size (each pixel a 2 x 2 square), captioned with the method's name. While a new
// picture is being computed it shows "Calcul…" over a grey tile (or over the former
// picture, greyed). A button: a click, Space or Enter picks the method; Tab reaches it.
class MethodTile : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr int kScale = 2;

    MethodTile(monochrome::Dithering method, const QString &caption, QWidget *parent = nullptr);

    monochrome::Dithering method() const { return m_method; }
    // A picture of this size is being computed: the busy mark.
    void startComputing(QSize pictureSize);
    // The picture came (null: it could not be made); the mark goes.
    void setPicture(const QImage &picture);
    bool isComputing() const { return m_computing; }
    const QImage &picture() const { return m_picture; }
    // The document's method: a frame in the highlight colour and a bold caption.
    void setCurrent(bool current);
    bool isCurrent() const { return m_current; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The height the picture takes, at least the busy mark's.
    int pictureBand() const;
    QRect pictureRect() const;

    monochrome::Dithering m_method;
    QImage m_picture;
    QSize m_pictureSize{160, 100};
    bool m_computing = true; // the gallery computes it as it opens
    bool m_current = false;
};
