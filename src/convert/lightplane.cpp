#include "lightplane.h"

#include "convert/dithering.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace monochrome {
namespace {

const std::array<float, 256> &lightTable()
{
    static const std::array<float, 256> table = [] {
        std::array<float, 256> t{};
        for (int code = 0; code < 256; ++code)
            t[code] = float(linearLight(code));
        return t;
    }();
    return table;
}

} // namespace

double linearLight(int code)
{
    const double c = code / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double codeValue(double light)
{
    light = std::clamp(light, 0.0, 1.0);
    return light <= 0.0031308 ? 12.92 * light : 1.055 * std::pow(light, 1 / 2.4) - 0.055;
}

LightPlane luminance(const QImage &image, const QRect &area)
{
    const auto &table = lightTable();
    LightPlane plane(area.width(), area.height());
    float *out = plane.data();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = line[x];
            // White sums to a hair over 1 in floats.
            *out++ = std::min(1.0f, 0.2126f * table[qRed(c)] + 0.7152f * table[qGreen(c)] + 0.0722f * table[qBlue(c)]);
        }
    }
    return plane;
}

double levelled(double light, int level)
{
    const double t = (std::clamp(level, -50, 50) + 50) / 100.0;
    if (light <= t)
        return t == 0 ? 0 : 0.5 * light / t;
    return 0.5 + 0.5 * (light - t) / (1 - t);
}

LightPlane toned(const LightPlane &light, double curve, int level)
{
    // A curve that is no number (never from the controls) gets the default one.
    const double g = std::isnan(curve) ? kDefaultToneCurve : std::clamp(curve, kExactLight, kDetailedShadows);
    const float exponent = float(1 / g);
    LightPlane plane(light.width(), light.height());
    for (std::size_t i = 0; i < light.size(); ++i)
        plane[i] = float(levelled(std::pow(std::clamp(light[i], 0.0f, 1.0f), exponent), level));
    return plane;
}

LightPlane lightOf(const Dots &dots, int width, int height)
{
    LightPlane plane(width, height);
    for (std::size_t i = 0; i < dots.size(); ++i)
        plane[i] = dots[i] ? 1.0f : 0.0f;
    return plane;
}

} // namespace monochrome
