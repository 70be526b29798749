#include "picfile/lib89i.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

// A 160 x 100 picture, half its pixels dark.
Surface mixedPicture()
{
    Surface s(160, 100, kBlanc);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x)
            if ((x + y) % 2 == 0)
                s.setPixel(x, y, (x * 97 + y) & 0xFFFFFF);
    return s;
}

void BM_Encode89i(benchmark::State &state)
{
    const Surface picture = mixedPicture();
    for (auto _ : state)
        benchmark::DoNotOptimize(lib89i::encode89i(picture, 100, 160, "zfig", "fig0000"));
}
BENCHMARK(BM_Encode89i)->Unit(benchmark::kMicrosecond);

void BM_Lire89i(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("fig0000.89i");
    if (!lib89i::Ecrire89i(path, mixedPicture(), 100, 160, "zfig", "fig0000", false)) {
        state.SkipWithError("cannot write the file");
        return;
    }
    Surface target(160, 100, kBlanc);
    for (auto _ : state) {
        lib89i::Lire89i(path, target, false);
        benchmark::DoNotOptimize(target.image().constBits());
    }
}
BENCHMARK(BM_Lire89i)->Unit(benchmark::kMicrosecond);

// A header claiming 65535 x 65535 over a 1 MB file: bounded by the target.
void BM_Lire89iHostileHeader(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.89i");
    QByteArray file(88, '\0');
    file += QByteArray::fromHex("FFFFFFFF");
    file += QByteArray(1 << 20, char(0xAA));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size()) {
        state.SkipWithError("cannot write the file");
        return;
    }
    out.close();
    Surface target(160, 100, kBlanc);
    for (auto _ : state) {
        lib89i::Lire89i(path, target, false);
        benchmark::DoNotOptimize(target.image().constBits());
    }
}
BENCHMARK(BM_Lire89iHostileHeader)->Unit(benchmark::kMicrosecond);

} // namespace
