#pragma once

#include <QByteArray>
#include <QImage>

// A hand-made calculator picture: signature, zeros, height and width big-endian at
// 88, the bitmap, tag DF, checksum 0. (The fuzz targets share this file.)
QByteArray file89i(int height, int width, const QByteArray &bitmap);

// What a file shows on a white width x height surface, from the layout alone: rows
// of ceil(w / 8) bytes from 92, leftmost pixel in the high bit, 1 black, the last
// three bytes no pixels, bits beyond the width drawn too.
QImage reference89i(const QByteArray &file, int width, int height);
