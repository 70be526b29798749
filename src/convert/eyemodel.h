#pragma once

#include "convert/lightplane.h"

#include <vector>

// How a dithered picture looks from a viewing distance, and how close it comes to
// the light it renders: what the optimal method minimises and how it picks its curve.
namespace monochrome {

// The eye's blur: a Gaussian of sigma 1.2 pixel on 11 x 11 pixels, the edges
// reflected (the pixels beyond an edge mirror those before it).
inline constexpr double kEyeSigma = 1.2;
LightPlane eyeBlur(const LightPlane &plane);

// The sum over the pixels of (a - b)^2.
double squaredDistance(const LightPlane &a, const LightPlane &b);
// The blurred error: the sum over the pixels of (blurred dots - blurred target)^2.
double blurredError(const LightPlane &target, const Dots &dots);

// The 1-D taps of a normalised Gaussian on 2 * reach + 1 pixels.
std::vector<double> gaussianTaps(double sigma, int reach);
// Where an index beyond [0, length) reads when the edges are reflected.
int reflected(int index, int length);
// A separable filter of these taps over a width x height plane, edges reflected.
std::vector<double> gaussianFilter(const std::vector<double> &values, int width, int height,
                                   const std::vector<double> &taps);

} // namespace monochrome
