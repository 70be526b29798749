#include "autolevel.h"

#include <cmath>

namespace monochrome {

GreyHistogram greyHistogram(const QImage &image)
{
    GreyHistogram histogram{};
    const QImage rgb = image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32
                           ? image
                           : image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x];
            ++histogram[(int((c >> 16) & 0xFF) + int((c >> 8) & 0xFF) + int(c & 0xFF) + 1) / 3];
        }
    }
    return histogram;
}

std::optional<double> otsuThreshold(const GreyHistogram &histogram)
{
    double total = 0;
    double sumAll = 0;
    for (int g = 0; g < 256; ++g) {
        total += double(histogram[g]);
        sumAll += double(g) * double(histogram[g]);
    }
    // Between-class variance times total^2: n0 * n1 * (mean0 - mean1)^2. Thresholds
    // with the same classes compute the very same number, so ties are exact.
    double best = 0;
    int first = -1;
    int last = -1;
    double n0 = 0;
    double sum0 = 0;
    for (int k = 0; k < 255; ++k) {
        n0 += double(histogram[k]);
        sum0 += double(k) * double(histogram[k]);
        const double n1 = total - n0;
        if (n0 == 0 || n1 == 0)
            continue;
        const double gap = sum0 / n0 - (sumAll - sum0) / n1;
        const double variance = n0 * n1 * gap * gap;
        if (variance > best) {
            best = variance;
            first = last = k;
        } else if (variance == best && last == k - 1 && histogram[k] == 0) {
            last = k; // the same classes: the run goes on
        }
    }
    if (first < 0)
        return std::nullopt;
    return (first + last) / 2.0;
}

int levelForThreshold(double threshold)
{
    int best = -50;
    double bestDistance = HUGE_VAL;
    for (int level = -50; level <= 50; ++level) {
        const double distance = std::abs(255 * (level + 50) / 100 - threshold);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = level;
        }
    }
    return best;
}

std::optional<int> automaticLevel(const QImage &image)
{
    const auto threshold = otsuThreshold(greyHistogram(image));
    if (!threshold)
        return std::nullopt;
    return levelForThreshold(*threshold);
}

} // namespace monochrome
