#pragma once

#include <QImage>

// The two black-and-white methods. Both work in place and write only black and white.
namespace monochrome {

// The grey-level method: grey = plain average (red + green + blue + 1) div 3; black
// exactly when 100 * grey <= 255 * (level + 50) (the threshold is inclusive); black
// and white swapped when invert.
void threshold(QImage &image, int level, bool invert);

// The simple method: every pixel of the top-left 160 x 100 area that is not exactly
// white becomes black.
void everyNonWhiteBlack(QImage &image);

} // namespace monochrome
