#include "platform/stretch.h"
#include "platform/surface.h"

#include "support/imagediff.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

// Which source indices each destination index takes: shrinking merges runs, a
// one-pixel destination leaves the last source pixel out, enlarging repeats.
TEST(StretchAxis, Table)
{
    using G = std::vector<std::pair<int, int>>;
    const struct
    {
        int source, destination;
        G groups;
    } cases[] = {
        {4, 2, {{0, 1}, {2, 3}}}, {3, 2, {{0, 1}, {2, 2}}}, {5, 3, {{0, 1}, {2, 2}, {3, 4}}},
        {4, 1, {{0, 2}}},         {2, 1, {{0, 0}}},         {1, 1, {{0, 0}}},
        {2, 3, {{0, 0}, {0, 0}, {1, 1}}}, {3, 5, {{0, 0}, {0, 0}, {1, 1}, {2, 2}, {2, 2}}},
        {3, 3, {{0, 0}, {1, 1}, {2, 2}}}, {0, 5, {}}, {5, 0, {}},
    };
    for (const auto &c : cases) {
        const StretchAxis axis = stretchAxis(c.source, c.destination);
        G groups;
        for (size_t d = 0; d < axis.first.size(); ++d)
            groups.emplace_back(axis.first[d], axis.last[d]);
        EXPECT_EQ(groups, c.groups) << c.source << " -> " << c.destination;
    }
    const StretchAxis icon = stretchAxis(32, 160);
    for (int i = 0; i < 160; ++i)
        ASSERT_EQ(icon.first[size_t(i)], i / 5) << i;
    // Every source pixel of a shrink lands in exactly one run, in order.
    for (int s = 2; s < 300; s += 7)
        for (int d = 2; d < s; d += 3) {
            const StretchAxis axis = stretchAxis(s, d);
            ASSERT_TRUE(axis.first.front() == 0 && axis.last.back() == s - 1) << s << "->" << d;
            for (size_t i = 1; i < size_t(d); ++i)
                ASSERT_EQ(axis.first[i], axis.last[i - 1] + 1) << s << "->" << d;
        }
}

// Against a direct computation on random colours, with blocks taller than the
// 256 rows the mean sums at a time and wider than its 4096-column strips.
TEST(StretchImage, EachPixelMergesItsWholeBlock)
{
    QImage src(4100, 260, QImage::Format_RGB32);
    QRandomGenerator rng(14);
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            src.setPixel(x, y, 0xFF000000 | (rng.generate() & 0xFFFFFF));
    for (const QSize size : {QSize(10, 7), QSize(4099, 2), QSize(1, 1), QSize(2, 40)}) {
        QImage et(size, QImage::Format_RGB32);
        QImage moyenne(size, QImage::Format_RGB32);
        stretchImage(et, et.rect(), src, src.rect(), Reduction::Et);
        stretchImage(moyenne, moyenne.rect(), src, src.rect(), Reduction::Moyenne);
        const StretchAxis ax = stretchAxis(src.width(), size.width());
        const StretchAxis ay = stretchAxis(src.height(), size.height());
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                QRgb expected = ~QRgb(0);
                qint64 sum[3] = {0, 0, 0}, n = 0;
                for (int r = ay.first[y]; r <= ay.last[y]; ++r)
                    for (int c = ax.first[x]; c <= ax.last[x]; ++c, ++n) {
                        const QRgb p = src.pixel(c, r);
                        expected &= p;
                        sum[0] += qRed(p);
                        sum[1] += qGreen(p);
                        sum[2] += qBlue(p);
                    }
                const auto mean = [&](int i) { return int((sum[i] + n / 2) / n); };
                ASSERT_EQ(et.pixel(x, y), expected) << size.width() << "x" << size.height() << " at " << x << "," << y;
                ASSERT_EQ(moyenne.pixel(x, y), qRgb(mean(0), mean(1), mean(2)))
                    << size.width() << "x" << size.height() << " at " << x << "," << y;
            }
    }
}

TEST(StretchBlt, WritesOnlyTheDestinationRectangleInsideTheSurface)
{
    Surface src(2, 2);
    src.setPixel(0, 0, kNoir);
    Surface dst(6, 4);
    stretchBlt(dst, QRect(4, 2, 4, 4), src, src.rect(), Reduction::Moyenne);
    EXPECT_TRUE(sameImage(imageFromAscii({"......", "......", "....##", "....##"}), dst.image()));
    // A stretch onto itself reads the pixels as they were before the call.
    Surface self(4, 1);
    self.setPixel(0, 0, kNoir);
    stretchBlt(self, QRect(0, 0, 4, 1), self, QRect(0, 0, 2, 1), Reduction::Moyenne);
    EXPECT_TRUE(sameImage(imageFromAscii({"##.."}), self.image()));
}
