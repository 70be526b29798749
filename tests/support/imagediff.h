#pragma once

#include <gtest/gtest.h>

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>

// Compares two pictures pixel for pixel (RGB only); on failure, says how many
// pixels differ and draws the first rows of both as text ('#' dark, '.' white).
::testing::AssertionResult sameImage(const QImage &expected, const QImage &actual);

// Renders a picture as text: '.' for white, '#' for black, '?' for anything else.
QString asciiArt(const QImage &image, int maxWidth = 80, int maxHeight = 40);

// A picture from rows of '.' (white) and '#' (black).
QImage imageFromAscii(const QStringList &rows);

// A white picture with black pixels at the points given.
QImage blackAt(QSize size, const QList<QPoint> &points);

// A white picture crossed by a black diagonal from (0, 0).
QImage diagonal(int width, int height);
