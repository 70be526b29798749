#include "buttonfaces.h"

#include <QColor>

#include <initializer_list>

namespace buttonfaces {

namespace {

struct Stop
{
    double at;
    QColor colour;
};

const QColor kBackground(216, 228, 248);
const QColor kBorder(0, 60, 116);

QColor mix(const QColor &a, const QColor &b, double t)
{
    return QColor::fromRgb(qRound(a.red() + (b.red() - a.red()) * t),
                           qRound(a.green() + (b.green() - a.green()) * t),
                           qRound(a.blue() + (b.blue() - a.blue()) * t));
}

QColor gradientAt(std::initializer_list<Stop> stops, double t)
{
    const Stop *previous = stops.begin();
    for (const Stop &stop : stops) {
        if (t <= stop.at) {
            if (stop.at <= previous->at)
                return stop.colour;
            return mix(previous->colour, stop.colour, (t - previous->at) / (stop.at - previous->at));
        }
        previous = &stop;
    }
    return previous->colour;
}

void fillRows(QImage &image, std::initializer_list<Stop> stops)
{
    const int first = kTop + 1, last = kBottom - 1;
    for (int y = first; y <= last; ++y) {
        const QRgb colour = gradientAt(stops, double(y - first) / (last - first)).rgb();
        for (int x = kLeft + 1; x <= kRight - 1; ++x)
            image.setPixel(x, y, colour);
    }
}

void hLine(QImage &image, int x1, int x2, int y, const QColor &colour)
{
    for (int x = x1; x <= x2; ++x)
        image.setPixel(x, y, colour.rgb());
}

void vLine(QImage &image, int x, int y1, int y2, const QColor &colour)
{
    for (int y = y1; y <= y2; ++y)
        image.setPixel(x, y, colour.rgb());
}

void warmRing(QImage &image)
{
    const int l = kLeft + 1, t = kTop + 1, r = kRight - 1, b = kBottom - 1;
    hLine(image, l, r, t, QColor(255, 240, 207));
    hLine(image, l, r, t + 1, QColor(253, 216, 137));
    hLine(image, l, r, b - 1, QColor(248, 179, 48));
    hLine(image, l, r, b, QColor(229, 151, 0));
    const QColor side(252, 206, 113);
    for (int x : {l, l + 1, r - 1, r})
        vLine(image, x, t + 2, b - 2, side);
}

// One-pixel lines with corners rounded off: each corner pixel and its two
// neighbours on the border stay outside, the pixel diagonally inside is border,
// and the two neighbours take a colour halfway between border and background.
void border(QImage &image)
{
    const int l = kLeft, t = kTop, r = kRight, b = kBottom;
    hLine(image, l + 2, r - 2, t, kBorder);
    hLine(image, l + 2, r - 2, b, kBorder);
    vLine(image, l, t + 2, b - 2, kBorder);
    vLine(image, r, t + 2, b - 2, kBorder);
    const QColor soft = mix(kBorder, kBackground, 0.5);
    const struct {
        int x, y, dx, dy;
    } corners[] = {{l, t, 1, 1}, {r, t, -1, 1}, {l, b, 1, -1}, {r, b, -1, -1}};
    for (const auto &c : corners) {
        image.setPixel(c.x, c.y, kBackground.rgb());
        image.setPixel(c.x + c.dx, c.y, soft.rgb());
        image.setPixel(c.x, c.y + c.dy, soft.rgb());
        image.setPixel(c.x + c.dx, c.y + c.dy, kBorder.rgb());
    }
}

// Every other pixel of the rectangle's outline, on the diagonal grid (x + y even).
void dottedRect(QImage &image, const QRect &r, const QColor &colour)
{
    for (int x = r.left(); x <= r.right(); ++x)
        for (int y : {r.top(), r.bottom()})
            if ((x + y) % 2 == 0)
                image.setPixel(x, y, colour.rgb());
    for (int y = r.top() + 1; y < r.bottom(); ++y)
        for (int x : {r.left(), r.right()})
            if ((x + y) % 2 == 0)
                image.setPixel(x, y, colour.rgb());
}

} // namespace

QImage face(ButtonLook look, bool focusMark)
{
    QImage image(kSize, QImage::Format_RGB888);
    image.fill(kBackground);
    if (look == ButtonLook::Pressed) {
        fillRows(image, {{0.0, QColor(209, 204, 193)},
                         {0.25, QColor(229, 228, 221)},
                         {0.8, QColor(224, 224, 215)},
                         {1.0, QColor(242, 241, 238)}});
    } else {
        fillRows(image, {{0.0, QColor(255, 255, 255)},
                         {0.5, QColor(245, 245, 241)},
                         {0.8, QColor(240, 240, 234)},
                         {1.0, QColor(214, 208, 197)}});
        if (look == ButtonLook::Hover)
            warmRing(image);
    }
    border(image);
    if (focusMark)
        dottedRect(image, kFocusMark, kBorder);
    return image;
}

} // namespace buttonfaces
