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

namespace {

struct ReductionCase
{
    const char *name;
    QSize source;
    std::vector<QRgb> pixels; // row by row, 0xRRGGBB
    QSize destination;
    std::vector<QRgb> moyenne;
    std::vector<QRgb> et;
};

QImage fromPixels(QSize size, const std::vector<QRgb> &pixels)
{
    QImage image(size, QImage::Format_RGB32);
    for (int i = 0; i < int(pixels.size()); ++i)
        image.setPixel(i % size.width(), i / size.width(), 0xFF000000u | pixels[size_t(i)]);
    return image;
}

// 160 -> 1: odd pixels white, even ones 0F0F0F, the last one black and left out.
std::vector<QRgb> line160()
{
    std::vector<QRgb> p(160);
    for (size_t i = 0; i < p.size(); ++i)
        p[i] = i == 159 ? 0 : i % 2 ? 0xFFFFFF : 0x0F0F0F;
    return p;
}

} // namespace

// Hand-worked blocks: the mean rounds (sum + n div 2) div n per channel, the AND
// combines bits; a block of one pixel is copied by both.
TEST(StretchImage, EachModeMergesItsBlocks)
{
    const ReductionCase cases[] = {
        {"4->2", {4, 1}, {0xFFFFFF, 0x000000, 0x808080, 0x808080}, {2, 1},
         {0x808080, 0x808080}, {0x000000, 0x808080}},
        {"3->2", {3, 1}, {0x102031, 0x305070, 0xABCDEF}, {2, 1},
         {0x203851, 0xABCDEF}, {0x100030, 0xABCDEF}},
        {"5->3", {5, 1}, {0xFF0000, 0x00FF00, 0x808080, 0x0000FF, 0x000001}, {3, 1},
         {0x808000, 0x808080, 0x000080}, {0x000000, 0x808080, 0x000001}},
        {"2->3", {2, 1}, {0x123456, 0xFEDCBA}, {3, 1},
         {0x123456, 0x123456, 0xFEDCBA}, {0x123456, 0x123456, 0xFEDCBA}},
        {"160->1", {160, 1}, line160(), {1, 1}, {0x868686}, {0x0F0F0F}},
        {"3x3->2x2", {3, 3},
         {0xFFFFFF, 0x000000, 0x102030,
          0x808080, 0x808080, 0x405060,
          0x010203, 0x030201, 0x7F7F7F}, {2, 2},
         {0x808080, 0x283848, 0x020202, 0x7F7F7F}, {0x000000, 0x000020, 0x010201, 0x7F7F7F}},
    };
    for (const ReductionCase &c : cases) {
        for (const Reduction mode : {Reduction::Moyenne, Reduction::Et}) {
            SCOPED_TRACE(std::string(c.name) + (mode == Reduction::Et ? " et" : " moyenne"));
            QImage dst(c.destination, QImage::Format_RGB32);
            dst.fill(Qt::white);
            const QImage src = fromPixels(c.source, c.pixels);
            stretchImage(dst, dst.rect(), src, src.rect(), mode);
            EXPECT_TRUE(sameImage(fromPixels(c.destination, mode == Reduction::Et ? c.et : c.moyenne), dst));
        }
    }
}

// Against a direct computation on random colours, with blocks wider than the
// 256 pixels the mean sums at a time (600 columns into 1).
TEST(StretchImage, EachPixelMergesItsWholeBlock)
{
    QImage src(600, 23, QImage::Format_RGB32);
    auto *rng = QRandomGenerator::global();
    for (int y = 0; y < src.height(); ++y)
        for (int x = 0; x < src.width(); ++x)
            src.setPixel(x, y, 0xFF000000 | (rng->generate() & 0xFFFFFF));
    for (const QSize size : {QSize(10, 7), QSize(600, 23), QSize(1, 1), QSize(2, 40)}) {
        QImage et(size, QImage::Format_RGB32);
        QImage moyenne(size, QImage::Format_RGB32);
        stretchImage(et, et.rect(), src, src.rect(), Reduction::Et);
        stretchImage(moyenne, moyenne.rect(), src, src.rect(), Reduction::Moyenne);
        const StretchAxis ax = stretchAxis(src.width(), size.width());
        const StretchAxis ay = stretchAxis(src.height(), size.height());
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                QRgb expected = ~QRgb(0);
                qint64 sum[3] = {0, 0, 0};
                for (int r = ay.first[y]; r <= ay.last[y]; ++r)
                    for (int c = ax.first[x]; c <= ax.last[x]; ++c) {
                        expected &= src.pixel(c, r);
                        sum[0] += qRed(src.pixel(c, r));
                        sum[1] += qGreen(src.pixel(c, r));
                        sum[2] += qBlue(src.pixel(c, r));
                    }
                const qint64 n = qint64(ay.last[y] - ay.first[y] + 1) * (ax.last[x] - ax.first[x] + 1);
                const QRgb mean = qRgb(int((sum[0] + n / 2) / n), int((sum[1] + n / 2) / n),
                                       int((sum[2] + n / 2) / n));
                const std::string at = std::to_string(size.width()) + "x" + std::to_string(size.height())
                    + " at " + std::to_string(x) + "," + std::to_string(y);
                ASSERT_EQ(et.pixel(x, y), expected | 0xFF000000u) << at;
                ASSERT_EQ(moyenne.pixel(x, y), mean) << at;
            }
    }
}

TEST(StretchImage, DarkDetailSurvivesShrinkingByAnd)
{
    // One black pixel among white in each 4 x 4 block survives a 4:1 shrink.
    QImage src = imageFromAscii({"........", "..#.....", "........", "........",
                                 "........", "........", "........", ".......#"});
    QImage dst(2, 2, QImage::Format_RGB32);
    stretchImage(dst, dst.rect(), src, src.rect(), Reduction::Et);
    EXPECT_TRUE(sameImage(imageFromAscii({"#.", ".#"}), dst));
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
