#include "convert/autolevel.h"
#include "convert/bluenoise.h"
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

// A photograph (a cat, docs/photos) stretched to 160 x 100 by the mean, as the
// program fits it.
QImage realPhoto()
{
    const QImage file = QImage(QStringLiteral(BRIVANE_PHOTOS "/chelsea.jpg")).convertToFormat(QImage::Format_RGB32);
    QImage image(160, 100, QImage::Format_RGB32);
    stretchBlt(image, image.rect(), file, file.rect(), Reduction::Mean);
    return image;
}

// Each run restores the picture (a 64 KB copy) and dithers the whole work picture,
// so the copy is included: the figure is an upper bound.
void BM_Dithering(benchmark::State &state)
{
    const auto method = static_cast<monochrome::Dithering>(state.range(0));
    const QImage source = state.range(1) ? realPhoto() : photo();
    QImage picture = source;
    picture.detach();
    for (auto _ : state) {
        bitBlt(picture, 0, 0, 160, 100, source, 0, 0);
        monochrome::dither(picture, QRect(0, 0, 160, 100), 0, false, method);
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.SetLabel(monochrome::ditheringName(method).toStdString() + (state.range(1) ? " (photo)" : ""));
}
// Every method on the shaded picture; "optimal" also on the photograph, whose
// finer detail keeps its search longer: it must stay within 100 ms on one core.
BENCHMARK(BM_Dithering)
    ->Args({int(monochrome::Dithering::FloydSteinberg), 0})
    ->Args({int(monochrome::Dithering::Atkinson), 0})
    ->Args({int(monochrome::Dithering::Bayer), 0})
    ->Args({int(monochrome::Dithering::JarvisJudiceNinke), 0})
    ->Args({int(monochrome::Dithering::Stucki), 0})
    ->Args({int(monochrome::Dithering::Sierra), 0})
    ->Args({int(monochrome::Dithering::BlueNoise), 0})
    ->Args({int(monochrome::Dithering::Optimal), 0})
    ->Args({int(monochrome::Dithering::Optimal), 1})
    ->Unit(benchmark::kMicrosecond);

// The blue-noise matrix, made once at first use: what that first use costs.
void BM_BlueNoiseMatrix(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(monochrome::voidAndCluster(monochrome::kBlueNoiseSize));
}
BENCHMARK(BM_BlueNoiseMatrix)->Unit(benchmark::kMillisecond);

// "Niveau automatique" on the preview.
void BM_AutomaticLevel(benchmark::State &state)
{
    const QImage source = photo();
    for (auto _ : state)
        benchmark::DoNotOptimize(monochrome::automaticLevel(source));
}
BENCHMARK(BM_AutomaticLevel)->Unit(benchmark::kMicrosecond);

} // namespace
