#include "monochrome.h"

#include "platform/colour.h"

#include <algorithm>

namespace monochrome {

namespace {

// The simple method works on this fixed area, the work picture's full size.
constexpr int kAreaWidth = 160;
constexpr int kAreaHeight = 100;

} // namespace

void threshold(QImage &image, int level, bool invert)
{
    // Black grows with red + green + blue, so one bound on that sum decides every
    // pixel: blackSums is how many sums (0, 1, ...) give black.
    const qint64 limit = 255 * (qint64(level) + 50);
    int blackSums = 0;
    while (blackSums <= 3 * 255 && 100 * qint64((blackSums + 1) / 3) <= limit) // rounded average
        ++blackSums;
    // White is black with every colour bit set; inversion swaps the two.
    const QRgb below = invert ? kWhite : kBlack;
    const QRgb above = below ^ 0x00FFFFFFu;

    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb c = row[x];
            const int sum = int((c >> 16) & 0xFF) + int((c >> 8) & 0xFF) + int(c & 0xFF);
            row[x] = sum < blackSums ? below : above;
        }
    }
}

void everyNonWhiteBlack(QImage &image)
{
    const int width = std::min(kAreaWidth, image.width());
    const int height = std::min(kAreaHeight, image.height());
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            if ((row[x] | 0xFF000000u) != kWhite)
                row[x] = kBlack;
    }
}

} // namespace monochrome
