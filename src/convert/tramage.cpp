#include "tramage.h"

#include "convert/traitement.h"

#include <QImage>

#include <algorithm>
#include <array>
#include <vector>

namespace traitement {
namespace {

constexpr QRgb kBlack = toQRgb(kNoir);
constexpr QRgb kWhite = toQRgb(kBlanc);
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
    SumTable table{};
    for (int sum = 0; sum < kSums; ++sum)
        table[sum] = ton((sum + 1) / 3, level);
    return table;
}

// The colours a black and a white decision take, inversion included.
struct Colours
{
    QRgb dark;
    QRgb light;
};

// Error diffusion kernels. Rows[0] is the row being scanned, rows[1] the next one
// and so on; dir is +1 or -1, the direction of the scan.
struct FloydSteinberg
{
    static constexpr int kRows = 2;
    static void spread(int error, int dir, int *const *rows, int i)
    {
        const int ahead = error * 7 / 16;
        const int behindBelow = error * 3 / 16;
        const int below = error * 5 / 16;
        rows[0][i + dir] += ahead;
        rows[1][i - dir] += behindBelow;
        rows[1][i] += below;
        rows[1][i + dir] += error - ahead - behindBelow - below;
    }
};

struct Atkinson
{
    static constexpr int kRows = 3;
    static void spread(int error, int dir, int *const *rows, int i)
    {
        const int share = error / 8;
        rows[0][i + dir] += share;
        rows[0][i + 2 * dir] += share;
        rows[1][i - dir] += share;
        rows[1][i] += share;
        rows[1][i + dir] += share;
        rows[2][i] += share;
    }
};

template <class Kernel>
void diffuse(QImage &image, const QRect &zone, const SumTable &tones, Colours colours)
{
    // Two spare cells on each side take the errors that leave the area.
    constexpr int kMargin = 2;
    const int width = zone.width();
    const int stride = width + 2 * kMargin;
    std::vector<int> errors(size_t(Kernel::kRows) * size_t(stride), 0);
    int *rows[Kernel::kRows];
    for (int r = 0; r < Kernel::kRows; ++r)
        rows[r] = errors.data() + r * stride + kMargin;

    for (int r = 0; r < zone.height(); ++r) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(zone.top() + r)) + zone.left();
        const int dir = r % 2 == 0 ? 1 : -1;
        for (int n = 0, i = dir > 0 ? 0 : width - 1; n < width; ++n, i += dir) {
            const int value = tones[colourSum(line[i])] + rows[0][i];
            const bool dark = value <= kDarkest;
            line[i] = dark ? colours.dark : colours.light;
            Kernel::spread(dark ? value : value - 255, dir, rows, i);
        }
        // The finished row, cleared, becomes the farthest one.
        int *done = rows[0];
        std::fill(done - kMargin, done - kMargin + stride, 0);
        std::rotate(rows, rows + 1, rows + Kernel::kRows);
        rows[Kernel::kRows - 1] = done;
    }
}

void ordered(QImage &image, const QRect &zone, const SumTable &tones, Colours colours)
{
    // 128 * tone < 255 * (2M + 1), per cell of the matrix.
    std::array<std::array<int, 8>, 8> bound{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            bound[y][x] = 255 * (2 * kBayer[y][x] + 1);
    for (int r = 0; r < zone.height(); ++r) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(zone.top() + r)) + zone.left();
        const auto &cells = bound[r % 8];
        for (int i = 0; i < zone.width(); ++i)
            line[i] = 128 * tones[colourSum(line[i])] < cells[i % 8] ? colours.dark : colours.light;
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

QString nomTramage(Tramage methode)
{
    switch (methode) {
    case Tramage::FloydSteinberg:
        return QStringLiteral("floyd-steinberg");
    case Tramage::Atkinson:
        return QStringLiteral("atkinson");
    case Tramage::Bayer:
        return QStringLiteral("bayer");
    case Tramage::Aucun:
        break;
    }
    return QString();
}

std::optional<Tramage> tramageDepuisNom(const QString &nom)
{
    for (const Tramage methode : {Tramage::FloydSteinberg, Tramage::Atkinson, Tramage::Bayer})
        if (nom == nomTramage(methode))
            return methode;
    return std::nullopt;
}

int ton(int grey, int level)
{
    level = std::clamp(level, -50, 50);
    // Grey 0..t onto tones 0..127.5 and t..255 onto 127.5..255, both linearly.
    if (100 * grey <= 255 * (level + 50))
        return grey == 0 ? 0 : 50 * grey / (50 + level); // rounded down: stays <= 127
    const int over = 50 - level;                        // > 0 here: level 50 has no grey above t
    return (50 * grey - 255 * level + over - 1) / over; // rounded up: stays >= 128
}

void Tramer(Surface &picture, const QRect &zone, int level, int invert, Tramage methode)
{
    if (methode == Tramage::Aucun) {
        ViaGrayscale(picture, level, invert);
        return;
    }
    QImage &image = picture.image();
    const QRect area = zone.intersected(image.rect());
    const Colours colours = invert == -1 ? Colours{kWhite, kBlack} : Colours{kBlack, kWhite};
    thresholdOutside(image, area, level, colours);
    if (!area.isEmpty()) {
        const SumTable tones = toneTable(level);
        switch (methode) {
        case Tramage::FloydSteinberg:
            diffuse<FloydSteinberg>(image, area, tones, colours);
            break;
        case Tramage::Atkinson:
            diffuse<Atkinson>(image, area, tones, colours);
            break;
        case Tramage::Bayer:
            ordered(image, area, tones, colours);
            break;
        case Tramage::Aucun:
            break;
        }
    }
    finConversion(picture);
}

} // namespace traitement
