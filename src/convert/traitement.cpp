#include "traitement.h"

#include <QImage>

#include <algorithm>

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
    // Black grows with red + green + blue, so one bound on that sum decides every
    // pixel: blackSums is how many sums (0, 1, ...) give black.
    const qint64 limit = 255 * (qint64(level) + 50);
    int blackSums = 0;
    while (blackSums <= 3 * 255 && 100 * qint64((blackSums + 1) / 3) <= limit) // rounded average
        ++blackSums;
    // White is black with every colour bit set; inversion swaps the two.
    const QRgb below = invert == -1 ? kWhite : kBlack;
    const QRgb above = below ^ 0x00FFFFFFu;

    QImage &image = picture.image();
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb c = row[x];
            const int sum = int((c >> 16) & 0xFF) + int((c >> 8) & 0xFF) + int(c & 0xFF);
            row[x] = sum < blackSums ? below : above;
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

void finConversion(Surface &picture)
{
    finish(picture);
}

} // namespace traitement
