#include "platform/stretch.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

// The best of a few runs of stretching the whole picture into the 160 x 100 preview.
qint64 bestNanoseconds(const QImage &source, Reduction reduction)
{
    QImage preview(160, 100, QImage::Format_RGB32);
    qint64 best = std::numeric_limits<qint64>::max();
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        stretchImage(preview, preview.rect(), source, source.rect(), reduction);
        best = std::min(best, timer.nsecsElapsed());
    }
    return best;
}

QImage striped(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; x += 7)
            image.setPixel(x, y, 0xFF000000u);
    return image;
}

} // namespace

// A picture of 4 million pixels costs about as much to stretch whatever its shape.
// Each source pixel used to be read again for every destination row or column it
// was repeated into: a line of 4 million x 1 pixels a hundred times, a column 160
// times (at 25 million pixels, seconds; minutes with the sanitizers). Both are
// compared with a square of as many pixels in the same process, so the speed of
// the machine does not matter; a column's rows of one pixel each cost more than a
// square's long rows, hence the margin (about 15 today, over 100 before).
TEST(StretchCost, ThinPicturesCostNoMoreThanSquareOnes)
{
    for (const Reduction mode : {Reduction::Moyenne, Reduction::Et}) {
        SCOPED_TRACE(mode == Reduction::Et ? "et" : "moyenne");
        const qint64 square = bestNanoseconds(striped(2000, 2000), mode);
        const qint64 line = bestNanoseconds(striped(4'000'000, 1), mode);
        const qint64 column = bestNanoseconds(striped(1, 4'000'000), mode);
        EXPECT_LT(line, 50 * square) << line << " ns against " << square;
        EXPECT_LT(column, 50 * square) << column << " ns against " << square;
    }

    // The same result as a square's for the same pixels: the thin line comes out
    // as the AND of its runs, repeated on every row.
    QImage preview(160, 100, QImage::Format_RGB32);
    const QImage thin = striped(1600, 1);
    stretchImage(preview, preview.rect(), thin, thin.rect(), Reduction::Et);
    for (int y = 1; y < 100; ++y)
        ASSERT_EQ(std::memcmp(preview.constScanLine(0), preview.constScanLine(y), 160 * 4), 0) << y;
    for (int x = 0; x < 160; ++x)
        EXPECT_EQ(preview.pixel(x, 50), 0xFF000000u) << x; // each run of 10 holds a black pixel
}
