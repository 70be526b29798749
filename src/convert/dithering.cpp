#include "dithering.h"

#include "monochrome.h"
#include "platform/colour.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <vector>

namespace monochrome {
namespace {

constexpr int kSums = 3 * 255 + 1;
constexpr int kDarkest = 127; // the last tone that renders black

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

// Indexed by red + green + blue: the per-pixel work is one lookup.
using SumTable = std::array<int, kSums>;

SumTable toneTable(int level)
{
    std::array<int, 256> ofGrey{};
    for (int g = 0; g < 256; ++g)
        ofGrey[g] = tone(g, level);
    SumTable table{};
    for (int sum = 0; sum < kSums; ++sum)
        table[sum] = ofGrey[(sum + 1) / 3];
    return table;
}

// The colours a black and a white decision take, inversion included.
struct Colours
{
    QRgb dark;
    QRgb light;
};

// One row of error diffusion, scanned in direction Dir (+1 or -1). The error for
// the next pixel of the row stays in a register: it is the only chain from one
// pixel to the next. Rows below take theirs in buffers with spare cells at both
// ends for the shares that leave the area.
template <int Dir>
void floydSteinbergRow(QRgb *line, int width, const SumTable &tones, Colours colours, const int *here,
                       int *below)
{
    int ahead = 0;
    for (int n = 0, i = Dir > 0 ? 0 : width - 1; n < width; ++n, i += Dir) {
        const int value = tones[colourSum(line[i])] + here[i] + ahead;
        const bool dark = value <= kDarkest;
        line[i] = dark ? colours.dark : colours.light;
        const int error = dark ? value : value - 255;
        // Arithmetic shifts round down; the last share takes what they leave.
        ahead = (error * 7) >> 4;
        const int behindBelow = (error * 3) >> 4;
        const int under = (error * 5) >> 4;
        below[i - Dir] += behindBelow;
        below[i] += under;
        below[i + Dir] += error - ahead - behindBelow - under;
    }
}

template <int Dir>
void atkinsonRow(QRgb *line, int width, const SumTable &tones, Colours colours, const int *here,
                 int *below, int *farBelow)
{
    int next = 0;
    int afterNext = 0;
    for (int n = 0, i = Dir > 0 ? 0 : width - 1; n < width; ++n, i += Dir) {
        const int value = tones[colourSum(line[i])] + here[i] + next;
        const bool dark = value <= kDarkest;
        line[i] = dark ? colours.dark : colours.light;
        const int share = (dark ? value : value - 255) / 8;
        next = afterNext + share;
        afterNext = share;
        below[i - Dir] += share;
        below[i] += share;
        below[i + Dir] += share;
        farBelow[i] += share;
    }
}

// Serpentine scan of the area: even rows left to right, odd rows right to left.
// Rows counts the error buffers the method needs: the row itself and those below.
template <int Rows, class Row>
void diffuse(QImage &image, const QRect &zone, Row row)
{
    constexpr int kMargin = 2;
    const int stride = zone.width() + 2 * kMargin;
    std::vector<int> errors(static_cast<std::size_t>(Rows * stride), 0);
    int *rows[Rows];
    for (int r = 0; r < Rows; ++r)
        rows[r] = errors.data() + r * stride + kMargin;
    for (int r = 0; r < zone.height(); ++r) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(zone.top() + r)) + zone.left();
        row(line, r % 2 == 0, rows);
        // The finished row, cleared, becomes the farthest one.
        int *done = rows[0];
        std::fill(done - kMargin, done - kMargin + stride, 0);
        std::rotate(rows, rows + 1, rows + Rows);
    }
}

void floydSteinberg(QImage &image, const QRect &zone, const SumTable &tones, Colours colours)
{
    const int width = zone.width();
    diffuse<2>(image, zone, [&](QRgb *line, bool forward, int **rows) {
        if (forward)
            floydSteinbergRow<1>(line, width, tones, colours, rows[0], rows[1]);
        else
            floydSteinbergRow<-1>(line, width, tones, colours, rows[0], rows[1]);
    });
}

void atkinson(QImage &image, const QRect &zone, const SumTable &tones, Colours colours)
{
    const int width = zone.width();
    diffuse<3>(image, zone, [&](QRgb *line, bool forward, int **rows) {
        if (forward)
            atkinsonRow<1>(line, width, tones, colours, rows[0], rows[1], rows[2]);
        else
            atkinsonRow<-1>(line, width, tones, colours, rows[0], rows[1], rows[2]);
    });
}

void ordered(QImage &image, const QRect &zone, const SumTable &tones, Colours colours)
{
    // 128 * tone < 255 * (2M + 1) never meets equality: it is tone < ceil(255 * (2M + 1) / 128).
    // Tones never fall as the colour sum grows, so each cell's test becomes "sum below a
    // bound", and the bounds of one row of the matrix, repeated across the area, make the
    // loop over the pixels a plain comparison.
    const int width = zone.width();
    std::vector<int> bounds(static_cast<std::size_t>(8 * width));
    for (int y = 0; y < 8; ++y) {
        std::array<int, 8> cells{};
        for (int x = 0; x < 8; ++x) {
            const int toneBound = (255 * (2 * kBayer[y][x] + 1) + 127) / 128;
            cells[x] = int(std::lower_bound(tones.begin(), tones.end(), toneBound) - tones.begin());
        }
        for (int i = 0; i < width; ++i)
            bounds[std::size_t(y * width + i)] = cells[i % 8];
    }
    for (int r = 0; r < zone.height(); ++r) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(zone.top() + r)) + zone.left();
        const int *bound = bounds.data() + (r % 8) * width;
        for (int i = 0; i < width; ++i)
            line[i] = colourSum(line[i]) < bound[i] ? colours.dark : colours.light;
    }
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

int tone(int grey, int level)
{
    level = std::clamp(level, -50, 50);
    // Grey 0..t onto tones 0..127.5 and t..255 onto 127.5..255, both linearly.
    if (100 * grey <= 255 * (level + 50))
        return grey == 0 ? 0 : 50 * grey / (50 + level); // rounded down: stays <= 127
    const int over = 50 - level;                        // > 0 here: level 50 has no grey above t
    return (50 * grey - 255 * level + over - 1) / over; // rounded up: stays >= 128
}

void dither(QImage &image, const QRect &zone, int level, bool invert, Dithering method, double toneCurve)
{
    Q_UNUSED(toneCurve); // TODO(issue 22): the tone curve

    if (method == Dithering::None) {
        threshold(image, level, invert);
        return;
    }
    const QRect area = zone.intersected(image.rect());
    const Colours colours = invert ? Colours{kWhite, kBlack} : Colours{kBlack, kWhite};
    if (area != image.rect())
        thresholdOutside(image, area, level, colours);
    if (!area.isEmpty()) {
        const SumTable tones = toneTable(level);
        switch (method) {
        case Dithering::FloydSteinberg:
        case Dithering::JarvisJudiceNinke: // TODO(issue 22): their own kernels
        case Dithering::Stucki:
        case Dithering::Sierra:
        case Dithering::BlueNoise:
        case Dithering::Optimal:
            floydSteinberg(image, area, tones, colours);
            break;
        case Dithering::Atkinson:
            atkinson(image, area, tones, colours);
            break;
        case Dithering::Bayer:
            ordered(image, area, tones, colours);
            break;
        case Dithering::None:
            break;
        }
    }
}

void stretchContrast(QImage &image, const QRect &area)
{
    Q_UNUSED(image); // TODO(issue 22)
    Q_UNUSED(area);
}

} // namespace monochrome
