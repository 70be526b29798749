#include "convert/document.h"
#include "picfile/picturewriter.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <fstream>
#include <string>

namespace {

// A photograph-like picture: gradients with fine detail.
QImage photo(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb((x * 255) / width, (y * 255) / height, ((x ^ y) * 7) & 0xFF);
    }
    return image;
}

// The largest resident size since the last reset, in megabytes (Linux).
double peakMegabytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Automatic files fig0000.89i to fig0999.89i in the folder.
void thousandAutomaticFiles(const QTemporaryDir &dir)
{
    for (int k = 0; k < 1000; ++k)
        QFile(dir.filePath(filenaming::automaticName(k) + QStringLiteral(".89i")))
            .open(QIODevice::WriteOnly);
}

// Convert from the preview: fit, grey levels, and the next name among 1000 files.
void BM_Convert(benchmark::State &bench)
{
    QTemporaryDir dir;
    thousandAutomaticFiles(dir);
    Document state(dir.path());
    state.importPicture(photo(640, 480));
    for (auto _ : bench)
        state.convert();
    if (state.nextName != QStringLiteral("fig1000"))
        bench.SkipWithError("wrong automatic name");
}
BENCHMARK(BM_Convert)->Unit(benchmark::kMillisecond);

// The name search alone, among 1000 files.
void BM_NextFreeNumber(benchmark::State &bench)
{
    QTemporaryDir dir;
    thousandAutomaticFiles(dir);
    Document state(dir.path());
    for (auto _ : bench)
        benchmark::DoNotOptimize(state.nextFreeNumber());
}
BENCHMARK(BM_NextFreeNumber)->Unit(benchmark::kMillisecond);

// Convert keeping the proportions: the fit stretches the whole 6000 x 4000 source.
void BM_ConvertKeepingProportions(benchmark::State &bench)
{
    QTemporaryDir dir;
    Document state(dir.path());
    state.importPicture(photo(6000, 4000));
    state.keepProportions = true;
    for (auto _ : bench)
        state.convert();
}
BENCHMARK(BM_ConvertKeepingProportions)->Unit(benchmark::kMillisecond);

// Opening a 6000 x 4000 JPEG: decoding and the preview. Reports the peak memory of
// the process during the openings.
void BM_OpenJpeg6000x4000(benchmark::State &bench)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    if (!photo(6000, 4000).save(path, "JPEG", 90)) {
        bench.SkipWithError("cannot write the JPEG");
        return;
    }
    Document state(dir.path());
    resetPeak();
    for (auto _ : bench)
        state.open(path);
    bench.counters["peak_MB"] = peakMegabytes();
    if (state.source.size() != QSize(6000, 4000))
        bench.SkipWithError("not opened");
}
BENCHMARK(BM_OpenJpeg6000x4000)->Unit(benchmark::kMillisecond)->Iterations(5);

// A 48-megapixel phone photo (8000 x 6000 JPEG) opened and converted keeping the
// proportions, as "brivane convertir --proportions" does. Reports the peak memory
// (the target: under 700 MB).
void BM_OpenAndConvertJpeg48Mpx(benchmark::State &bench)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.jpg"));
    if (!photo(8000, 6000).save(path, "JPEG", 90)) {
        bench.SkipWithError("cannot write the JPEG");
        return;
    }
    resetPeak();
    for (auto _ : bench) {
        Document state(dir.path());
        state.keepProportions = true;
        if (!state.open(path)) {
            bench.SkipWithError("not opened");
            return;
        }
        state.convert();
    }
    bench.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_OpenAndConvertJpeg48Mpx)->Unit(benchmark::kMillisecond)->Iterations(3);

// Opening a 160 x 100 calculator picture.
void BM_OpenCalculatorPicture(benchmark::State &bench)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fig0000.89i"));
    Surface picture(160, 100);
    picture.setPicture(photo(160, 100));
    if (!picfile::write(path, picture.image(), QSize(160, 100), QStringLiteral("zfig"),
                        QStringLiteral("fig0000"))) {
        bench.SkipWithError("cannot write the file");
        return;
    }
    Document state(dir.path());
    for (auto _ : bench)
        state.open(path);
}
BENCHMARK(BM_OpenCalculatorPicture)->Unit(benchmark::kMicrosecond);

} // namespace
