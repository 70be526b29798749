#include "dithering.h"

#include "convert/bluenoise.h"
#include "convert/errordiffusion.h"
#include "convert/lightplane.h"
#include "convert/monochrome.h"
#include "convert/optimal.h"
#include "platform/colour.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace monochrome {
namespace {

constexpr int kSums = 3 * 255 + 1;

// The standard 8 x 8 ordered-dither matrix, [row][column].
constexpr std::array<std::array<int, 8>, 8> kBayer{{
    {0, 32, 8, 40, 2, 34, 10, 42},
    {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},
    {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},
    {63, 31, 55, 23, 61, 29, 53, 21},
}};

int colourSum(QRgb c)
{
    return int((c >> 16) & 0xFF) + int((c >> 8) & 0xFF) + int(c & 0xFF);
}

// The colours a black and a white decision take, inversion included.
struct Colours
{
    QRgb dark;
    QRgb light;
};

// An ordered dither on a size x size matrix of ranks 0 .. size^2 - 1 (row after
// row), tiled from the plane's corner: white when the light is at least
// (rank + 1/2) / size^2, so the cells share the tones evenly.
Dots ordered(const LightPlane &light, const int *ranks, int size)
{
    Dots dots(light.size());
    const float cells = float(size * size);
    for (int y = 0; y < light.height(); ++y)
        for (int x = 0; x < light.width(); ++x) {
            const std::size_t i = std::size_t(y) * std::size_t(light.width()) + std::size_t(x);
            dots[i] = light[i] * cells >= float(ranks[(y % size) * size + x % size]) + 0.5f;
        }
    return dots;
}

Dots bayer(const LightPlane &light)
{
    std::array<int, 64> ranks{};
    for (int i = 0; i < 64; ++i)
        ranks[std::size_t(i)] = kBayer[std::size_t(i / 8)][std::size_t(i % 8)];
    return ordered(light, ranks.data(), 8);
}

// The plain grey-level rule on every pixel outside zone.
void thresholdOutside(QImage &image, const QRect &zone, int level, Colours colours)
{
    std::array<QRgb, kSums> colourOf{};
    for (int sum = 0; sum < kSums; ++sum)
        colourOf[sum] = 100 * qint64((sum + 1) / 3) <= 255 * (qint64(level) + 50) ? colours.dark
                                                                                    : colours.light;
    const auto apply = [&](QRgb *from, QRgb *to) {
        for (QRgb *p = from; p < to; ++p)
            *p = colourOf[colourSum(*p)];
    };
    for (int y = 0; y < image.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        if (y < zone.top() || y > zone.bottom() || zone.isEmpty()) {
            apply(line, line + image.width());
        } else {
            apply(line, line + zone.left());
            apply(line + zone.left() + zone.width(), line + image.width());
        }
    }
}

Dots dotsOf(const LightPlane &light, int level, Dithering method, double toneCurve)
{
    if (method == Dithering::Optimal)
        return optimalDots(light, level);
    const LightPlane target = toned(light, toneCurve, level);
    if (method == Dithering::Bayer)
        return bayer(target);
    if (method == Dithering::BlueNoise)
        return ordered(target, blueNoiseMatrix().data(), kBlueNoiseSize);
    return diffuseError(target, method);
}

} // namespace

QString ditheringName(Dithering method)
{
    switch (method) {
    case Dithering::FloydSteinberg:
        return QStringLiteral("floyd-steinberg");
    case Dithering::Atkinson:
        return QStringLiteral("atkinson");
    case Dithering::Bayer:
        return QStringLiteral("bayer");
    case Dithering::JarvisJudiceNinke:
        return QStringLiteral("jarvis");
    case Dithering::Stucki:
        return QStringLiteral("stucki");
    case Dithering::Sierra:
        return QStringLiteral("sierra");
    case Dithering::BlueNoise:
        return QStringLiteral("bruit-bleu");
    case Dithering::Optimal:
        return QStringLiteral("optimal");
    case Dithering::None:
        break;
    }
    return QString();
}

std::optional<Dithering> ditheringFromName(const QString &name)
{
    for (const Dithering method : kDitheringMethods)
        if (name == ditheringName(method))
            return method;
    return std::nullopt;
}

void dither(QImage &image, const QRect &zone, int level, bool invert, Dithering method, double toneCurve)
{
    if (method == Dithering::None) {
        threshold(image, level, invert);
        return;
    }
    const QRect area = zone.intersected(image.rect());
    const Colours colours = invert ? Colours{kWhite, kBlack} : Colours{kBlack, kWhite};
    if (area != image.rect())
        thresholdOutside(image, area, level, colours);
    if (area.isEmpty())
        return;
    const Dots dots = dotsOf(luminance(image, area), level, method, toneCurve);
    const std::uint8_t *dot = dots.data();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            line[x] = *dot++ ? colours.light : colours.dark;
    }
}

void stretchContrast(QImage &image, const QRect &zone)
{
    const QRect area = zone.intersected(image.rect());
    if (area.isEmpty())
        return;
    // The luma of each pixel, its code values weighted as the luminance weighs light.
    const auto luma = [](QRgb c) { return int(std::lround(0.2126 * qRed(c) + 0.7152 * qGreen(c) + 0.0722 * qBlue(c))); };
    std::array<qint64, 256> histogram{};
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            ++histogram[std::size_t(luma(line[x]))];
    }
    // The darkest 0.5 % at or below low, the lightest 0.5 % at or above high.
    const qint64 tail = std::max<qint64>(1, qint64(area.width()) * area.height() / 200);
    int low = 0, high = 255;
    for (qint64 seen = histogram[0]; seen < tail; seen += histogram[std::size_t(++low)]) {
    }
    for (qint64 seen = histogram[255]; seen < tail; seen += histogram[std::size_t(--high)]) {
    }
    if (high <= low)
        return; // a single tone: nothing to stretch
    // One linear map of every channel, low onto 0 and high onto 255.
    std::array<int, 256> map{};
    for (int v = 0; v < 256; ++v)
        map[std::size_t(v)] = std::clamp(int(std::lround(255.0 * (v - low) / (high - low))), 0, 255);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb c = line[x];
            line[x] = qRgba(map[std::size_t(qRed(c))], map[std::size_t(qGreen(c))], map[std::size_t(qBlue(c))], qAlpha(c));
        }
    }
}

} // namespace monochrome
