#pragma once

#include <QByteArray>
#include <QImage>

// Pictures made to hurt a decoder: huge declared sizes in tiny files, cut-short
// data, lying headers.
namespace hostile {

// A PNG of width x height declared pixels, grey (8 bits) unless depth says
// otherwise, whose compressed data holds only `rows` rows of zeros.
QByteArray png(int width, int height, int rows, int depth = 8);

// A GIF whose logical screen is screenWidth x screenHeight, holding one frame of
// frameWidth x frameHeight pixels with almost no data.
QByteArray gif(int screenWidth, int screenHeight, int frameWidth, int frameHeight);

// An icon whose directory announces a 16 x 16 picture while the bitmap inside says
// width x height; `offset` is where the directory says the bitmap starts.
QByteArray icon(int width, int height, quint32 offset = 22);

// A BMP header declaring width x height pixels of one bit, with no pixel data.
QByteArray bmp(int width, int height);

// Thin pictures of the largest size allowed, in small files: a one-bit BMP line
// of width x 1 pixels, and an RLE-compressed BMP column of 1 x height pixels
// (its rows skipped four bytes per 255).
QByteArray bmpLine(int width);
QByteArray bmpRleColumn(int height);

// A genuine JPEG of a patterned picture, whole.
QByteArray jpeg(int width, int height);

// The picture the JPEG above was made from.
QImage jpegSource(int width, int height);

} // namespace hostile
