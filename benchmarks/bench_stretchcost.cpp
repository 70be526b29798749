// Stretching a picture of 4 million pixels into the 160 x 100 preview costs about
// the same whatever its shape: a line of 4,000,000 x 1 and a column of 1 x 4,000,000
// must stay within a small factor of a 2000 x 2000 square (about 15 today; over
// 100 when each source pixel was read again for every row it was repeated into).
#include "platform/stretch.h"

#include <benchmark/benchmark.h>

#include <QImage>

namespace {

QImage striped(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; x += 7)
            image.setPixel(x, y, 0xFF000000u);
    return image;
}

void BM_StretchIntoPreview(benchmark::State &state)
{
    const QImage source = striped(int(state.range(0)), int(state.range(1)));
    QImage preview(160, 100, QImage::Format_RGB32);
    for (auto _ : state)
        stretchImage(preview, preview.rect(), source, source.rect(), Reduction(state.range(2)));
}

} // namespace

// The third argument is the reduction: 0 the block mean, 1 the AND.
BENCHMARK(BM_StretchIntoPreview)
    ->Args({2000, 2000, 0})->Args({4'000'000, 1, 0})->Args({1, 4'000'000, 0})
    ->Args({2000, 2000, 1})->Args({4'000'000, 1, 1})->Args({1, 4'000'000, 1})
    ->Unit(benchmark::kMillisecond);
