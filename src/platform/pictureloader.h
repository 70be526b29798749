#pragma once

#include <QImage>
#include <QRect>
#include <QString>

// The largest picture the program opens, in pixels (a 10000 x 10000 photo): 400 MB
// once in RGB32. The decoder's picture is that same RGB32 picture, so a 48-megapixel
// JPEG opens within about 200 MB at its natural size (and 25 MB at 1/8).
inline constexpr qint64 kPixelsMax = 100'000'000;

// A decoded picture, or the reason it could not be decoded (in French).
struct LoadedPicture
{
    QImage image; // RGB32: the natural size, or divided by `divisor` (a JPEG)
    // The picture's natural size (turned as its file says): the size the image stands for.
    QSize fullSize;
    int divisor = 1; // 1, 2, 4 or 8
    // The part of the natural-size picture that the image's pixels stand for, each
    // for divisor x divisor of it: all of it but the last columns and rows that do
    // not fill a block of the divisor (stretchDecodedMean() counts them in).
    QRect covered;
    // A JPEG, which can be decoded again at another divisor.
    bool shrinkable = false;
    QString error;
    // Set when the picture opened but its data was damaged or cut short: what could
    // be decoded is there, the rest is filled in by the decoder (in French).
    QString warning;
    bool ok() const { return error.isEmpty(); }
};

// The largest of 8, 4, 2 and 1 by which both sides of a picture of that size can be
// divided (rounding down) and stay at least those of `smallest`; 1 when it is empty.
int decodeDivisor(QSize size, QSize smallest);

// Decodes a BMP, JPEG, GIF, icon or PNG file (anything Qt reads). Never throws;
// an unreadable file, or one larger than kPixelsMax (by the size the file states),
// gives an error text and a null image, in bounded memory and time. A JPEG is
// decoded at 1/decodeDivisor(its natural size, smallest), libjpeg shrinking each
// 8 x 8 block as it decodes it: the smallest picture that stays at least
// `smallest` (in the turned picture's directions); empty: the natural size.
LoadedPicture loadPicture(const QString &path, QSize smallest = {});

// The picture as opaque RGB32, its transparent parts laid over white: a
// transparent background is blank paper, not black ink.
QImage opaqueOnWhite(QImage image);

// The clipboard's picture; a null image when it holds none. One of more than
// kPixelsMax pixels comes back as it is (not RGB32), for the caller to refuse.
QImage clipboardPicture();
