#include "platform/stretch.h"
#include "platform/surface.h"
#include "support/imagediff.h"

#include <QRandomGenerator>

#include <algorithm>

// On a white surface: thin lines leave their end pixel out, a single point excepted;
// nothing is written outside the picture (x == width and y == height included), nor read
// there; copies are cut at both surfaces' edges, a negative or empty size copies nothing.
TEST(Surface, LinesPixelsAndCopies)
{
    const QImage src = imageFromAscii({"#...", "...#"});
    const auto line = [](QPoint from, QPoint to) { return [=](Surface &s) { s.line(from, to, kBlack); }; };
    const std::pair<std::function<void(Surface &)>, QStringList> cases[] = {
        {line({1, 1}, {6, 1}), {"........", ".#####..", "........"}}, {line({6, 1}, {1, 1}), {"........", "..#####.", "........"}},
        {line({3, 3}, {0, 0}), {"....", ".#..", "..#.", "...#"}},     {line({1, 1}, {1, 1}), {"...", ".#.", "..."}},
        {line({1, 2}, {1, 1}), {"...", "...", ".#."}},                {line({2, 1}, {1, 1}), {"...", "..#", "..."}},
        {[](Surface &s) {
             for (const QPoint p : {QPoint(3, 2), QPoint(4, 0), QPoint(0, 3), QPoint(-1, 0), QPoint(0, -1)})
                 s.setPixel(p.x(), p.y(), kBlack);
         }, {"....", "....", "...#"}},
        {[&](Surface &s) { bitBlt(s.image(), 1, 1, 4, 2, src, 0, 0); }, {"...", ".#.", "..."}},
        {[&](Surface &s) {
             bitBlt(s.image(), -2, 0, 5, 2, src, 0, 0); // source column 3 lands at x = 1
             bitBlt(s.image(), 0, 0, 0, 5, src, 0, 0);
             bitBlt(s.image(), 0, 0, -3, 5, src, 0, 0);
         }, {"...", ".#.", "..."}},
    };
    for (const auto &[draw, expected] : cases) {
        Surface s(int(expected[0].size()), int(expected.size()));
        draw(s);
        EXPECT_TRUE(sameImage(imageFromAscii(expected), s.image())) << expected.join(u'/').toStdString();
        for (const QPoint p : {QPoint(s.width(), 0), QPoint(0, s.height()), QPoint(-1, 0), QPoint(0, -1)})
            EXPECT_NE(s.point(p.x(), p.y()), kWhite) << p.x() << "," << p.y();
    }
    // A size below one pixel holds nothing, not one pixel.
    EXPECT_TRUE(Surface(0, 3).image().isNull() && Surface(-2, 3).image().isNull());
}

// Which source indices each destination index takes: shrinking merges runs, a
// one-pixel destination leaves the last source pixel out, enlarging repeats.
TEST(StretchAxis, Table)
{
    using G = std::vector<std::pair<int, int>>;
    const struct { int source, destination; G groups; } cases[] = {
        {4, 2, {{0, 1}, {2, 3}}}, {5, 3, {{0, 1}, {2, 2}, {3, 4}}}, {4, 1, {{0, 2}}}, {1, 1, {{0, 0}}},
        {2, 1, {{0, 0}}}, {3, 5, {{0, 0}, {0, 0}, {1, 1}, {2, 2}, {2, 2}}}, {0, 5, {}}, {5, 0, {}},
    };
    for (const auto &c : cases) {
        const StretchAxis axis = stretchAxis(c.source, c.destination);
        G groups;
        for (size_t d = 0; d < axis.first.size(); ++d)
            groups.emplace_back(axis.first[d], axis.last[d]);
        EXPECT_EQ(groups, c.groups) << c.source << " -> " << c.destination;
    }
}

// Each destination pixel merges its whole block: the AND of its colours, or each
// channel's mean rounded (sum + n div 2) div n, against a direct computation on seeded
// random colours, with blocks wider than the 256 pixels the mean sums at a time.
TEST(StretchImage, EachPixelMergesItsWholeBlock)
{
    QImage src(4100, 260, QImage::Format_RGB32); // past the mean's 256-row chunks and 4096-column strips
    QRandomGenerator rng(14);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            src.setPixel(x, y, 0xFF000000 | (rng.generate() & 0xFFFFFF));
    for (const QSize size : {QSize(10, 7), QSize(1, 1), QSize(4099, 2)}) {
        QImage et(size, QImage::Format_RGB32), average(size, QImage::Format_RGB32);
        stretchImage(et, et.rect(), src, src.rect(), Reduction::And);
        stretchImage(average, average.rect(), src, src.rect(), Reduction::Mean);
        const StretchAxis ax = stretchAxis(src.width(), size.width()), ay = stretchAxis(src.height(), size.height());
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                QRgb all = ~QRgb(0);
                qint64 sum[3] = {0, 0, 0}, n = 0;
                for (int r = ay.first[size_t(y)]; r <= ay.last[size_t(y)]; ++r)
                    for (int c = ax.first[size_t(x)]; c <= ax.last[size_t(x)]; ++c, ++n) {
                        const QRgb p = src.pixel(c, r);
                        all &= p, sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p);
                    }
                const auto mean = [&](int i) { return int((sum[i] + n / 2) / n); };
                ASSERT_EQ(et.pixel(x, y), all) << size.width() << " at " << x << "," << y;
                ASSERT_EQ(average.pixel(x, y), qRgb(mean(0), mean(1), mean(2))) << size.width() << " at " << x << "," << y;
            }
    }
    // Blocks of one pixel: a copy, of the part that shows.
    QImage copy(8, 8, QImage::Format_RGB32);
    copy.fill(0);
    stretchImage(copy, QRect(-2, 3, 10, 7), src, QRect(5, 9, 10, 7), Reduction::And);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(copy.pixel(x, y), y >= 3 ? src.pixel(x + 7, y + 6) : 0xFF000000u) << x << "," << y;
    // A stretch onto itself reads the pixels as they were before the call.
    QImage self = imageFromAscii({"#..."});
    stretchBlt(self, QRect(0, 0, 4, 1), self, QRect(0, 0, 2, 1), Reduction::Mean);
    EXPECT_TRUE(sameImage(imageFromAscii({"##.."}), self));
}

// From a picture decoded at 1/divisor, any part stretches as the natural-size picture
// does when each of its blocks is one colour (the edge left out taking its neighbour's),
// whichever sides the decoder left out.
TEST(StretchImage, FromADecodedPictureAsFromTheNaturalOne)
{
    const QImage decoded = photo(41, 27);
    for (const int d : {2, 8})
        for (const bool leftOutFirst : {false, true}) {
            const QSize leftOut(d - 1, d / 2);
            const QRect covered(leftOutFirst ? QPoint(leftOut.width(), leftOut.height()) : QPoint(), decoded.size() * d);
            QImage natural(decoded.size() * d + leftOut, QImage::Format_RGB32);
            for (int y = 0; y < natural.height(); ++y)
                for (int x = 0; x < natural.width(); ++x)
                    natural.setPixel(x, y, decoded.pixel(std::clamp((x - covered.x()) / d, 0, 40),
                                                         std::clamp((y - covered.y()) / d, 0, 26)));
            for (const auto &[part, size] : {std::pair{natural.rect(), QSize(16, 10)},
                                             {QRect(3, 5, natural.width() - 4, 2 * d + 1), QSize(7, 2)},
                                             {QRect(0, 1, 3 * d, natural.height() - 1), QSize(3, 11)}}) {
                QImage expected(size, QImage::Format_RGB32), actual(size, QImage::Format_RGB32);
                stretchImage(expected, expected.rect(), natural, part, Reduction::Mean);
                stretchDecodedMean(actual, actual.rect(), decoded, part, covered, d);
                EXPECT_TRUE(sameImage(expected, actual)) << d << leftOutFirst << part.width();
            }
        }
}
