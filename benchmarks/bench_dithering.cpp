#include "convert/autolevel.h"
#include "convert/dithering.h"
#include "platform/surface.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

// A 160 x 100 photograph-like picture: smooth shading with some texture.
QImage photo()
{
    QImage image(160, 100, QImage::Format_RGB32);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x) {
            const int shade = (x * 255) / 160;
            const int texture = ((x * 7) ^ (y * 13)) & 0x1F;
            image.setPixel(x, y, qRgb(std::min(255, shade + texture), (y * 255) / 100, (shade + y) & 0xFF));
        }
    return image;
}

// Each run restores the picture (a 64 KB copy) and dithers the whole work picture,
// so the copy is included: the figure is an upper bound.
void BM_Dithering(benchmark::State &state)
{
    const auto method = static_cast<monochrome::Dithering>(state.range(0));
    const QImage source = photo();
    QImage picture = source;
    picture.detach();
    for (auto _ : state) {
        bitBlt(picture, 0, 0, 160, 100, source, 0, 0);
        monochrome::dither(picture, QRect(0, 0, 160, 100), 0, false, method);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.SetLabel(monochrome::ditheringName(method).toStdString());
}
BENCHMARK(BM_Dithering)
    ->Arg(int(monochrome::Dithering::FloydSteinberg))
    ->Arg(int(monochrome::Dithering::Atkinson))
    ->Arg(int(monochrome::Dithering::Bayer))
    ->Unit(benchmark::kMicrosecond);

// "Niveau automatique" on the preview.
void BM_AutomaticLevel(benchmark::State &state)
{
    const QImage source = photo();
    for (auto _ : state)
        benchmark::DoNotOptimize(monochrome::automaticLevel(source));
}
BENCHMARK(BM_AutomaticLevel)->Unit(benchmark::kMicrosecond);

} // namespace
