#include "convert/monochrome.h"
#include "platform/surface.h"

#include <benchmark/benchmark.h>

namespace {

// A 160 x 100 work picture with every grey level and colour mixed in.
QImage colourPicture(int width = 160, int height = 100)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y) & 0xFF, (x * y) & 0xFF, (y * 11 + x * 3) & 0xFF));
    return image;
}

// Every pixel costs the same whatever its colour, so the picture is converted in
// place again and again.
void BM_Threshold(benchmark::State &state)
{
    QImage picture = colourPicture();
    for (auto _ : state) {
        monochrome::threshold(picture, 0, false);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_Threshold)->Unit(benchmark::kMicrosecond);

// Includes restoring the colour picture each time (a 64 KB copy), so it is an upper bound.
void BM_EveryNonWhiteBlack(benchmark::State &state)
{
    const QImage source = colourPicture();
    QImage picture = source;
    picture.detach();
    for (auto _ : state) {
        bitBlt(picture, 0, 0, 160, 100, source, 0, 0);
        monochrome::everyNonWhiteBlack(picture);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_EveryNonWhiteBlack)->Unit(benchmark::kMicrosecond);

// The fit of a 24-megapixel photo into the work picture, by each reduction.
void BM_StretchBlt(benchmark::State &state)
{
    const auto reduction = Reduction(state.range(0));
    state.SetLabel(reduction == Reduction::And ? "et" : "moyenne");
    const QImage source = colourPicture(6000, 4000);
    QImage picture(160, 100, QImage::Format_RGB32);
    for (auto _ : state) {
        stretchBlt(picture, QRect(0, 0, 160, 100), source, QRect(0, 0, 6000, 4000), reduction);
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_StretchBlt)
    ->Arg(int(Reduction::Mean))
    ->Arg(int(Reduction::And))
    ->Unit(benchmark::kMillisecond);

} // namespace
