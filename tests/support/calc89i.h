#pragma once

#include <QByteArray>
#include <QImage>

// Calculator picture files made by hand, and what they must show; no test
// framework here, so the fuzz targets share it.

// A file with the given size fields and bitmap: signature, header of zeros,
// height and width big-endian at 88, the bitmap, the tag DF and a zero checksum.
QByteArray file89i(int height, int width, const QByteArray &bitmap);

// The picture a file shows on a white surface of image's size, worked out pixel by
// pixel from the layout: rows of ceil(width / 8) bytes from offset 92, most
// significant bit leftmost, 1 for black, the last three bytes (tag, checksum) no
// pixels, the bits beyond the width drawn too, nothing outside the surface.
void reference89i(const QByteArray &file, QImage &image);
QImage reference89i(const QByteArray &file, int width, int height);
