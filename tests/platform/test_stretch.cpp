#include "platform/stretch.h"
#include "platform/surface.h"

#include "support/imagediff.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace {

// The source indices each destination index takes, as "first-last" or "i".
std::vector<std::vector<int>> groups(int source, int destination)
{
    const StretchAxis axis = stretchAxis(source, destination);
    std::vector<std::vector<int>> out;
    for (size_t d = 0; d < axis.first.size(); ++d) {
        std::vector<int> g;
        for (int j = axis.first[d]; j <= axis.last[d]; ++j)
            g.push_back(j);
        out.push_back(g);
    }
    return out;
}

using G = std::vector<std::vector<int>>;

} // namespace

TEST(StretchAxis, ShrinkingMergesRunsOfSourcePixels)
{
    EXPECT_EQ(groups(4, 2), (G{{0, 1}, {2, 3}}));
    EXPECT_EQ(groups(3, 2), (G{{0, 1}, {2}}));
    EXPECT_EQ(groups(5, 3), (G{{0, 1}, {2}, {3, 4}}));
    // A one-pixel destination leaves the last source pixel out.
    EXPECT_EQ(groups(4, 1), (G{{0, 1, 2}}));
    EXPECT_EQ(groups(2, 1), (G{{0}}));
    EXPECT_EQ(groups(1, 1), (G{{0}}));
}

TEST(StretchAxis, EnlargingRepeatsSourcePixels)
{
    EXPECT_EQ(groups(2, 3), (G{{0}, {0}, {1}}));
    EXPECT_EQ(groups(3, 5), (G{{0}, {0}, {1}, {2}, {2}}));
    EXPECT_EQ(groups(3, 3), (G{{0}, {1}, {2}}));
    const StretchAxis icon = stretchAxis(32, 160);
    for (int i = 0; i < 160; ++i)
        EXPECT_EQ(icon.first[i], i / 5) << i;
}

TEST(StretchAxis, EverySourcePixelOfAShrinkLandsSomewhere)
{
    for (int s = 2; s < 300; s += 7)
        for (int d = 2; d < s; d += 3) {
            const StretchAxis axis = stretchAxis(s, d);
            EXPECT_EQ(axis.first.front(), 0);
            EXPECT_EQ(axis.last.back(), s - 1);
            for (int i = 1; i < d; ++i)
                ASSERT_EQ(axis.first[i], axis.last[i - 1] + 1) << s << "->" << d;
        }
    EXPECT_TRUE(stretchAxis(0, 5).first.empty());
    EXPECT_TRUE(stretchAxis(5, 0).first.empty());
}

// The result is separable: each destination pixel is the AND of the source block
// its row and column take. Check against a direct computation on random colours.
TEST(StretchAnd, EachPixelIsTheAndOfItsBlock)
{
    QImage src(37, 23, QImage::Format_RGB32);
    auto *rng = QRandomGenerator::global();
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            src.setPixel(x, y, 0xFF000000 | (rng->generate() & 0xFFFFFF));
    for (const QSize size : {QSize(10, 7), QSize(37, 23), QSize(80, 50), QSize(1, 1), QSize(20, 40)}) {
        QImage dst(size, QImage::Format_RGB32);
        dst.fill(Qt::white);
        stretchAnd(dst, dst.rect(), src, src.rect());
        const StretchAxis ax = stretchAxis(src.width(), size.width());
        const StretchAxis ay = stretchAxis(src.height(), size.height());
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                QRgb expected = ~QRgb(0);
                for (int r = ay.first[y]; r <= ay.last[y]; ++r)
                    for (int c = ax.first[x]; c <= ax.last[x]; ++c)
                        expected &= src.pixel(c, r);
                ASSERT_EQ(dst.pixel(x, y) & 0xFFFFFF, expected & 0xFFFFFF)
                    << size.width() << "x" << size.height() << " at " << x << "," << y;
            }
    }
}

TEST(StretchAnd, DarkDetailSurvivesShrinking)
{
    // One black pixel among white in each 4 x 4 block survives a 4:1 shrink.
    QImage src = imageFromAscii({"........", "..#.....", "........", "........",
                                 "........", "........", "........", ".......#"});
    QImage dst(2, 2, QImage::Format_RGB32);
    stretchAnd(dst, dst.rect(), src, src.rect());
    EXPECT_TRUE(sameImage(imageFromAscii({"#.", ".#"}), dst));
}

TEST(StretchBlt, WritesOnlyTheDestinationRectangleInsideTheSurface)
{
    Surface src(2, 2);
    src.setPixel(0, 0, kNoir);
    Surface dst(6, 4);
    stretchBlt(dst, QRect(4, 2, 4, 4), src, src.rect());
    EXPECT_TRUE(sameImage(imageFromAscii({"......", "......", "....##", "....##"}), dst.image()));
    // A stretch onto itself reads the pixels as they were before the call.
    Surface self(4, 1);
    self.setPixel(0, 0, kNoir);
    stretchBlt(self, QRect(0, 0, 4, 1), self, QRect(0, 0, 2, 1));
    EXPECT_TRUE(sameImage(imageFromAscii({"##.."}), self.image()));
}
