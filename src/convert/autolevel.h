#pragma once

#include <QImage>

#include <array>
#include <optional>

// "Niveau automatique": the slider level whose threshold best separates the dark
// and the light greys of a picture, by Otsu's method.
namespace monochrome {

// How many pixels have each plain grey (r + g + b + 1) div 3.
using GreyHistogram = std::array<qint64, 256>;
GreyHistogram greyHistogram(const QImage &image);

// Otsu's threshold: the dark class holds the greys 0..k, the light one k+1..255,
// and k maximises the variance between the two classes. When several neighbouring
// k share the best variance (no grey lies between them), the middle of that run
// is given, possibly half-way between two greys. Nothing when the picture has
// fewer than two greys: no threshold separates anything.
std::optional<double> otsuThreshold(const GreyHistogram &histogram);

// The level -50..50 whose inclusive threshold, the largest grey that the plain
// grey-level method turns black (255 * (level + 50) div 100), is nearest to threshold;
// the lower level on a tie.
int levelForThreshold(double threshold);

// Both: the level for a picture, or nothing for a picture of a single grey.
std::optional<int> automaticLevel(const QImage &image);

} // namespace monochrome
