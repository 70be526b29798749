#include "test_commandline.h"

#include "convert/conversionstate.h"
#include "picfile/lib89i.h"
#include "support/recordingdialogs.h"

#include <QElapsedTimer>
#include <QImageReader>

#include <random>

#include <sys/resource.h>

namespace {

long peakMemoryKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A well-formed file of random pixels.
QByteArray randomPicture(int width, int height, std::mt19937 &rng)
{
    Surface picture(width + 8, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width + 8; ++x)
            if (rng() % 3 == 0)
                picture.setPixel(x, y, kNoir);
    return lib89i::encode89i(picture, height, width, QStringLiteral("zfig"), QStringLiteral("fuzz"));
}

// Sizes around every edge the reader and the export care about.
int hostileSize(std::mt19937 &rng)
{
    static const int edges[] = {0, 1, 7, 8, 9, 100, 101, 160, 161, 4095, 4096, 4097, 65535};
    return rng() % 2 ? edges[rng() % std::size(edges)] : int(rng() % 65536);
}

QByteArray mutate(const QByteArray &seed, int kind, std::mt19937 &rng)
{
    QByteArray file = seed;
    switch (kind) {
    case 0: // random bytes
        file = QByteArray(int(rng() % 400), '\0');
        for (char &c : file)
            c = char(rng());
        break;
    case 1: // flipped bytes
        for (int n = int(rng() % 8) + 1; n > 0 && !file.isEmpty(); --n)
            file[int(rng() % file.size())] = char(rng());
        break;
    case 2: // cut short or run on
        if (rng() % 2)
            file.truncate(int(rng() % (file.size() + 1)));
        else
            file.append(QByteArray(int(rng() % 3000), char(rng())));
        break;
    default: // hostile height and width
        if (file.size() >= 92) {
            const int h = hostileSize(rng);
            const int w = hostileSize(rng);
            file[88] = char(h >> 8);
            file[89] = char(h);
            file[90] = char(w >> 8);
            file[91] = char(w);
        }
        break;
    }
    return file;
}

} // namespace

// Thousands of random and damaged files through the open command, the viewer's open
// and the export: no crash, no hang, memory bounded, sizes as the header says.
TEST_F(CommandLineTest, FuzzedCalculatorPictures)
{
    std::mt19937 rng(20240611);
    const QByteArray seeds[] = {randomPicture(160, 100, rng), randomPicture(100, 3, rng),
                                randomPicture(240, 128, rng), randomPicture(8, 1, rng),
                                randomPicture(1, 1, rng), randomPicture(0, 0, rng)};
    RecordingDialogs dialogs;
    ConversionState state;
    const QString name = path(QStringLiteral("f.89i"));
    const long memoryBefore = peakMemoryKb();
    qint64 slowest = 0;
    int exported = 0;

    for (int i = 0; i < 3000; ++i) {
        const QByteArray file = mutate(seeds[size_t(i / 4) % std::size(seeds)], i % 4, rng);
        write(QStringLiteral("f.89i"), file);
        const QSize size = lib89i::taille89i(file);
        QElapsedTimer timer;
        timer.start();

        // A file with no picture (cut short in its header, or 0 wide or high) is refused.
        const bool holdsPicture = file.size() >= 92 && !size.isEmpty();
        ASSERT_EQ(i % 2 ? state.chargerFichier(name) : state.ouvrirDuVisualisateur(name), holdsPicture)
            << "file " << i;
        if (holdsPicture) {
            ASSERT_EQ(QSize(state.largeur, state.hauteur),
                      QSize(std::min(size.width(), 160), std::min(size.height(), 100)))
                << "file " << i;
        }

        const bool exportable = holdsPicture && size.width() <= 4096 && size.height() <= 4096;
        ASSERT_EQ(run({QStringLiteral("exporter"), name, QStringLiteral("f.png")}),
                  exportable ? CommandLine::Success : CommandLine::FileFailure)
            << "file " << i << ": " << err.toStdString();
        if (exportable) {
            ASSERT_EQ(QImageReader(path(QStringLiteral("f.png"))).size(), size) << "file " << i;
            QFile::remove(path(QStringLiteral("f.png")));
            ++exported;
        }
        slowest = std::max(slowest, timer.elapsed());
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_GT(exported, 500) << "too few files make it to the export";
    EXPECT_LT(slowest, 5000);                            // milliseconds: nothing hangs
#ifdef BRIVANE_SANITIZE
    constexpr long kQuarantineKb = 256 * 1024; // AddressSanitizer keeps freed blocks this long
#else
    constexpr long kQuarantineKb = 0;
#endif
    EXPECT_LT(peakMemoryKb() - memoryBefore, 300 * 1024 + kQuarantineKb); // kilobytes
}
