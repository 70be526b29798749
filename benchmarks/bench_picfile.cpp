#include "picfile/picturereader.h"
#include "picfile/picturewriter.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

// A 160 x 100 picture, half its pixels dark.
QImage mixedPicture()
{
    QImage image(160, 100, QImage::Format_RGB32);
    image.fill(0xFFFFFFFFu);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x)
            if ((x + y) % 2 == 0)
                image.setPixel(x, y, 0xFF000000u | QRgb((x * 97 + y) & 0xFFFFFF));
    return image;
}

// Reads the file and draws it onto a cleared 160 x 100 picture, as opening does.
void readAndDraw(benchmark::State &state, const QString &path)
{
    QImage target(160, 100, QImage::Format_RGB32);
    for (auto _ : state) {
        target.fill(0xFFFFFFFFu);
        if (const auto picture = picfile::read(path, target.size()))
            picfile::draw(*picture, target);
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_Encode(benchmark::State &state)
{
    const QImage picture = mixedPicture();
    for (auto _ : state)
        benchmark::DoNotOptimize(picfile::encode(picture, QSize(160, 100), "zfig", "fig0000"));
}
BENCHMARK(BM_Encode)->Unit(benchmark::kMicrosecond);

void BM_ReadAndDraw(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("fig0000.89i");
    if (!picfile::write(path, mixedPicture(), QSize(160, 100), "zfig", "fig0000")) {
        state.SkipWithError("cannot write the file");
        return;
    }
    readAndDraw(state, path);
}
BENCHMARK(BM_ReadAndDraw)->Unit(benchmark::kMicrosecond);

// A header claiming 65535 x 65535 over a 1 MB file: bounded by the target.
void BM_ReadAndDrawHostileHeader(benchmark::State &state)
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
    readAndDraw(state, path);
}
BENCHMARK(BM_ReadAndDrawHostileHeader)->Unit(benchmark::kMicrosecond);

} // namespace
