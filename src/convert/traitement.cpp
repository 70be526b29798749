#include "traitement.h"

#include <QImage>

#include <algorithm>
#include <array>

namespace traitement {

int rouge = 0;
int vert = 0;
int bleu = 0;

namespace {

std::function<void()> &afterConversion()
{
    static std::function<void()> hook;
    return hook;
}

void finish(Surface &picture)
{
    picture.refresh();
    if (afterConversion())
        afterConversion()();
}

constexpr QRgb kBlack = toQRgb(kNoir);
constexpr QRgb kWhite = toQRgb(kBlanc);

// The simple method works on this fixed area, the work picture's full size.
constexpr int kAreaWidth = 160;
constexpr int kAreaHeight = 100;

} // namespace

void SepareRVB(Couleur colour)
{
    rouge = int(colour % 256);
    vert = int((colour / 256) % 256);
    bleu = int(colour / 65536);
}

void ViaGrayscale(Surface &picture, int level, int invert)
{
    // The result depends only on red + green + blue, so it is worked out once per sum.
    std::array<QRgb, 3 * 255 + 1> result{};
    const qint64 limit = 255 * (qint64(level) + 50);
    for (int sum = 0; sum < int(result.size()); ++sum) {
        const int grey = (sum + 1) / 3; // the plain average, rounded
        bool black = 100 * qint64(grey) <= limit; // the threshold itself is black
        if (invert == -1)
            black = !black;
        result[size_t(sum)] = black ? kBlack : kWhite;
    }
    QImage &image = picture.image();
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = row[x];
            row[x] = result[qRed(c) + qGreen(c) + qBlue(c)];
        }
    }
    finish(picture);
}

void NoirEtBlanc(Surface &picture)
{
    QImage &image = picture.image();
    const int width = std::min(kAreaWidth, image.width());
    const int height = std::min(kAreaHeight, image.height());
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            if ((row[x] | 0xFF000000u) != kWhite)
                row[x] = kBlack;
    }
    finish(picture);
}

void setAfterConversion(std::function<void()> hook)
{
    afterConversion() = std::move(hook);
}

} // namespace traitement
