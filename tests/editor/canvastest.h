#pragma once

#include "editor/canvas.h"
#include "editor/editor.h"
#include "support/imagediff.h"

#include <QPainter>
#include <QTest>

using Path = QList<QPointF>;

// The canvas on a white 160 x 100 picture, driven by real events at fractional canvas-pixel positions.
class CanvasTest : public ::testing::Test
{
protected:
    CanvasTest()
    {
        QObject::connect(&editor, &Editor::coordinatesChanged, [this](const QString &text) { readout = text; });
        canvas.show();
    }
    void send(QEvent::Type type, QPointF p, Qt::MouseButton button, Qt::KeyboardModifiers mods = {})
    {
        const QPointF at = QPointF(canvas.pictureOrigin()) + p;
        QMouseEvent event(type, at, canvas.mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : button,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : button, mods);
        QCoreApplication::sendEvent(&canvas, &event);
    }
    void stroke(const Path &path, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers pressMods = {})
    {
        send(QEvent::MouseButtonPress, path.first(), button, pressMods);
        for (const QPointF &p : path.sliced(1))
            send(QEvent::MouseMove, p, button);
        send(QEvent::MouseButtonRelease, path.last(), button);
    }
    void key(Qt::Key k) { QTest::keyClick(&canvas, k); }
    void sizes(int pixel, int width)
    {
        while (editor.pixelSize().value() != pixel)
            editor.pixelSize().value() < pixel ? editor.increasePixelSize() : editor.decreasePixelSize();
        while (editor.lineWidth().value() != width)
            editor.lineWidth().value() < width ? editor.increaseLineWidth() : editor.decreaseLineWidth();
    }
    // The picture in a ground colour with rectangles in a colour, holes in the ground colour.
    static QImage with(const QList<QRect> &rects, QColor colour = Qt::black, QColor ground = Qt::white,
                       const QList<QRect> &holes = {})
    {
        QImage image(160, 100, QImage::Format_RGB32);
        image.fill(ground);
        QPainter painter(&image);
        for (const auto &[list, c] : {std::pair{rects, colour}, {holes, ground}})
            for (const QRect &r : list)
                painter.fillRect(r, c);
        return image;
    }
    QImage shown() { return canvas.grab().toImage(); }
    // The picture pixels the rubber band shows on.
    QList<QPoint> rubberBand()
    {
        const QImage image = shown();
        QList<QPoint> points;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (image.pixel(canvas.pictureOrigin() + QPoint(x, y)) == Tool::overlayColour().rgb())
                    points << QPoint(x, y);
        return points;
    }

    Surface picture{160, 100};
    Editor editor{picture};
    Canvas canvas{editor};
    QString readout;
};
