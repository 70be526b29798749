#include "eyemodel.h"

#include <algorithm>
#include <cmath>

namespace monochrome {
namespace {

constexpr int kReach = 5; // 11 x 11 windows

std::vector<double> doubles(const LightPlane &plane)
{
    return std::vector<double>(plane.data(), plane.data() + plane.size());
}

} // namespace

// A separable Gaussian filter with reflected edges, in doubles: each row padded
// with its reflection, then each column's, so that the loops run straight.
std::vector<double> gaussianFilter(const std::vector<double> &values, int width, int height, const std::vector<double> &taps)
{
    const int reach = int(taps.size() / 2);
    const std::size_t w = std::size_t(width);
    std::vector<double> padded(w + 2 * std::size_t(reach)), across(values.size()), out(values.size(), 0.0);
    for (int y = 0; y < height; ++y) {
        const double *row = values.data() + std::size_t(y) * w;
        for (int x = -reach; x < width + reach; ++x)
            padded[std::size_t(x + reach)] = row[reflected(x, width)];
        double *to = across.data() + std::size_t(y) * w;
        for (std::size_t x = 0; x < w; ++x) {
            double sum = 0;
            for (std::size_t k = 0; k < taps.size(); ++k)
                sum += taps[k] * padded[x + k];
            to[x] = sum;
        }
    }
    for (int y = 0; y < height; ++y) {
        double *to = out.data() + std::size_t(y) * w;
        for (int k = -reach; k <= reach; ++k) {
            const double tap = taps[std::size_t(k + reach)];
            const double *from = across.data() + std::size_t(reflected(y + k, height)) * w;
            for (std::size_t x = 0; x < w; ++x)
                to[x] += tap * from[x];
        }
    }
    return out;
}

std::vector<double> gaussianTaps(double sigma, int reach)
{
    std::vector<double> taps;
    double sum = 0;
    for (int k = -reach; k <= reach; ++k) {
        taps.push_back(std::exp(-k * k / (2 * sigma * sigma)));
        sum += taps.back();
    }
    for (double &t : taps)
        t /= sum;
    return taps;
}

int reflected(int index, int length)
{
    // Half-sample symmetry (d c b a | a b c d | d c b a): a period of 2 * length.
    const int period = 2 * length;
    index %= period;
    if (index < 0)
        index += period;
    return index < length ? index : period - 1 - index;
}

LightPlane eyeBlur(const LightPlane &plane)
{
    const std::vector<double> blurred = gaussianFilter(doubles(plane), plane.width(), plane.height(),
                                                 gaussianTaps(kEyeSigma, kReach));
    LightPlane out(plane.width(), plane.height());
    for (std::size_t i = 0; i < blurred.size(); ++i)
        out[i] = float(blurred[i]);
    return out;
}

double squaredDistance(const LightPlane &a, const LightPlane &b)
{
    double sum = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += (double(a[i]) - b[i]) * (double(a[i]) - b[i]);
    return sum;
}

double blurredError(const LightPlane &target, const Dots &dots)
{
    return squaredDistance(eyeBlur(lightOf(dots, target.width(), target.height())), eyeBlur(target));
}

} // namespace monochrome
