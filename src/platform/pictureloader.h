#pragma once

#include <QImage>
#include <QString>

// The largest picture the program opens, in pixels (a 10000 x 10000 photo): 400 MB
// once in RGB32. The decoder's picture is that same RGB32 picture, so a 48-megapixel
// JPEG opens within about 200 MB.
inline constexpr qint64 kPixelsMax = 100'000'000;

// A decoded picture, or the reason it could not be decoded (in French).
struct LoadedPicture
{
    QImage image; // RGB32, natural size
    QString error;
    // Set when the picture opened but its data was damaged or cut short: what could
    // be decoded is there, the rest is filled in by the decoder (in French).
    QString warning;
    bool ok() const { return error.isEmpty(); }
};

// Decodes a BMP, JPEG, GIF, icon or PNG file (anything Qt reads). Never throws;
// an unreadable file, or one larger than kPixelsMax, gives an error text and a
// null image, in bounded memory and time.
LoadedPicture loadPicture(const QString &path);

// The picture as opaque RGB32, its transparent parts laid over white: a
// transparent background is blank paper, not black ink.
QImage opaqueOnWhite(QImage image);

// The clipboard's picture; a null image when it holds none. One of more than
// kPixelsMax pixels comes back as it is (not RGB32), for the caller to refuse.
QImage clipboardPicture();
