#pragma once

#include <gtest/gtest.h>
#include <QImage>
#include <QStringList>

// Pixel-for-pixel RGB comparison; a failure draws both as text ('#' black, '.' white).
::testing::AssertionResult sameImage(const QImage &expected, const QImage &actual);

// A picture from rows of '.' (white) and '#' (black).
QImage imageFromAscii(const QStringList &rows);

// An RGB32 picture of one colour.
QImage filled(int width, int height, QRgb colour);
// A white picture with black pixels at the points given.
QImage blackAt(QSize size, const QList<QPoint> &points);

// A white picture crossed by a black diagonal from (0, 0).
QImage diagonal(int width, int height);
// A photograph stand-in: smooth colour gradients with some detail.
QImage photo(int width, int height);
