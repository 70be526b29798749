#pragma once

#include <QByteArrayView>
#include <QImage>

// A JPEG decoded by libjpeg straight into RGB32 rows, shrunk by 1/2, 1/4 or 1/8
// inside the inverse DCT. Qt's reader decodes the same pixels but to 24-bit rows
// it then copies, and only at sizes it is asked for exactly; this decoder is the
// short way for photographs, which are most of what the program opens.
struct JpegDecoding
{
    enum Outcome {
        Decoded, // `image` holds the picture (`damaged` may be set)
        Unsupported, // a colour space it does not turn into RGB (CMYK): another decoder's job
        Failed, // not a JPEG libjpeg can decode: nothing usable
        OutOfMemory, // no room for the decoded picture
    };
    Outcome outcome = Failed;
    // RGB32, the file's stored orientation (its EXIF turn not applied), of
    // floor(width / divisor) x floor(height / divisor) pixels: the last columns and
    // rows that do not fill a whole block of the divisor are left out.
    QImage image;
    // Data missing or damaged: libjpeg filled in what it could not read.
    bool damaged = false;
};

// Decodes the JPEG file's bytes at 1/divisor (1, 2, 4 or 8). Never throws. A
// picture whose header does not state `size` (the file changed since it was
// first looked at) Failed: nothing larger than the size checked is decoded.
JpegDecoding decodeJpeg(QByteArrayView file, int divisor, QSize size);
