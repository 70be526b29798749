#pragma once

#include "colour.h"
#include "stretch.h"

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRect>

// A picture that keeps its drawing: W x H pixels, origin at the top-left pixel,
// a background colour, a drawing width, a font, a fore colour and a print position.
// Whatever shows the surface on screen connects to changed() and repaints; the
// surface itself never touches a widget.
class Surface : public QObject
{
    Q_OBJECT

public:
    explicit Surface(int width = 0, int height = 0, QRgb background = kWhite, QObject *parent = nullptr);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    QSize size() const { return m_image.size(); }
    QRect rect() const { return m_image.rect(); }

    // A new drawing area of width x height pixels, all background.
    void resize(int width, int height);
    // Makes the picture the whole content, at its natural size.
    void setPicture(const QImage &picture);

    QRgb backColor() const { return m_backColor; }
    // Only records the colour: the next cls() uses it.
    void setBackColor(QRgb colour) { m_backColor = colour; }

    // Every pixel takes the background colour; the print position returns to (0, 0).
    void cls();

    // The colour of one pixel; outside the drawing area, kNoColour.
    QRgb point(int x, int y) const;
    // Outside the drawing area nothing happens.
    void setPixel(int x, int y, QRgb colour);

    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int width) { m_drawWidth = width < 1 ? 1 : width; }

    // A straight line of the drawing width. At width 1 the start pixel is painted
    // and the end pixel is not (a zero-length line paints its one pixel); wider
    // lines have round ends and cover both end points.
    void line(QPointF from, QPointF to, QRgb colour);

    const QFont &font() const { return m_font; }
    void setFont(const QFont &font);
    QRgb foreColor() const { return m_foreColor; }
    void setForeColor(QRgb colour) { m_foreColor = colour; }
    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }

    // Paints text with its top-left corner at the print position, in the fore colour
    // with a transparent background and no antialiasing: only glyph pixels change,
    // and they take exactly the fore colour. The position then moves to the next line.
    void print(const QString &text);

    // Direct access for the fast paths (conversion, encoding, display); Format_RGB32.
    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }

    // Tells whatever shows the surface that its content changed.
    void refresh() { emit changed(); }

signals:
    void changed();

private:
    QImage m_image;
    QRgb m_backColor;
    QRgb m_foreColor = kBlack;
    int m_drawWidth = 1;
    QFont m_font;
    double m_currentX = 0;
    double m_currentY = 0;
};

// Copies a w x h rectangle pixel for pixel between RGB32 pictures; parts outside
// either picture are skipped.
void bitBlt(QImage &dst, int x, int y, int w, int h, const QImage &src, int sx, int sy);

// Copies the source rectangle into the destination rectangle at another size, a
// shrink merging each block of source pixels by the reduction (stretchImage()).
// Destination pixels outside the picture are skipped; the two may be one picture.
void stretchBlt(QImage &dst, const QRect &dstRect, const QImage &src, const QRect &srcRect,
                Reduction reduction);
