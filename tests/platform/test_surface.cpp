#include "platform/surface.h"

#include "support/imagediff.h"

#include <gtest/gtest.h>

#include <set>

TEST(Colour, ConvertsBetweenBgrAndQRgbBothWays)
{
    EXPECT_EQ(toQRgb(kBleu), 0xFF0000FFu);
    EXPECT_EQ(toQRgb(kRouge), 0xFFFF0000u);
    EXPECT_EQ(toQRgb(0x123456), 0xFF563412u);
    EXPECT_EQ(fromQRgb(0xFF563412u), 0x123456u);
    EXPECT_EQ(rgb(0x12, 0x34, 0x56), 0x563412u);
}

TEST(Surface, PixelsOutsideTheDrawingAreaAreNeitherReadNorWritten)
{
    Surface s(4, 3);
    s.setPixel(3, 2, 0x0000FE);
    const QImage before = s.image().copy();
    for (const QPoint p : {QPoint(4, 0), QPoint(0, 3), QPoint(-1, 0), QPoint(0, -1), QPoint(4, 3)}) {
        SCOPED_TRACE(p.x() * 10 + p.y());
        EXPECT_NE(s.point(p.x(), p.y()), kBlanc);
        s.setPixel(p.x(), p.y(), kNoir);
    }
    EXPECT_EQ(s.image(), before);
    EXPECT_EQ(s.point(3, 2), 0x0000FEu);
    EXPECT_EQ(s.point(0, 0), kBlanc);
}

TEST(Surface, ClsFillsWithTheBackgroundAndResetsThePrintPosition)
{
    Surface s(3, 2, kBleu);
    s.setPixel(1, 1, kNoir);
    s.setCurrentX(5);
    s.setBackColor(kRouge);
    EXPECT_EQ(s.point(0, 0), kBleu); // changing the colour alone repaints nothing
    s.cls();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(s.point(x, y), kRouge);
    EXPECT_EQ(s.currentX(), 0);
}

TEST(Surface, ThinLinesLeaveTheirEndPixelOut)
{
    const struct
    {
        QPoint from, to;
        QStringList expected;
    } cases[] = {
        {{1, 1}, {6, 1}, {"........", ".#####..", "........"}},
        {{6, 1}, {1, 1}, {"........", "..#####.", "........"}},
        {{0, 0}, {3, 3}, {"#...", ".#..", "..#.", "...."}},
        {{3, 3}, {0, 0}, {"....", ".#..", "..#.", "...#"}},
        {{1, 1}, {1, 1}, {"...", ".#.", "..."}},
        {{1, 1}, {2, 1}, {"...", ".#.", "..."}},
        {{1, 2}, {1, 1}, {"...", "...", ".#."}},
        {{2, 1}, {1, 1}, {"...", "..#", "..."}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.expected.join(u'/').toStdString());
        Surface s(int(c.expected[0].size()), int(c.expected.size()));
        s.line(c.from, c.to, kNoir);
        EXPECT_TRUE(sameImage(imageFromAscii(c.expected), s.image()));
    }
}

TEST(Surface, WideLinesCoverTheirWidthInThePlainColour)
{
    Surface s(20, 11);
    s.setDrawWidth(3);
    s.line({3, 5}, {15, 5}, kNoir);
    std::set<QRgb> colours;
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 20; ++x)
            colours.insert(s.image().pixel(x, y) & 0xFFFFFF);
    EXPECT_EQ(colours, (std::set<QRgb>{0, 0xFFFFFF})); // no antialiasing
    for (int y = 4; y <= 6; ++y)
        EXPECT_EQ(s.point(9, y), kNoir) << y;
    EXPECT_EQ(s.point(9, 3), kBlanc);
    EXPECT_EQ(s.point(9, 7), kBlanc);

    Surface dot(9, 9);
    dot.setDrawWidth(3);
    dot.line({4, 4}, {4, 4}, kNoir);
    EXPECT_EQ(dot.point(4, 4), kNoir);
    EXPECT_EQ(dot.point(0, 0), kBlanc);
}

TEST(Surface, PrintPaintsOnlyGlyphPixelsInTheForeColour)
{
    Surface s(120, 40, kBlanc);
    s.setPixel(0, 39, 0x00FF00);
    QFont font;
    font.setPixelSize(20);
    s.setFont(font);
    s.setForeColor(kNoir);
    s.setCurrentX(2);
    s.setCurrentY(2);
    const QRect box = s.textRect(QStringLiteral("Brivane"));
    s.print(QStringLiteral("Brivane"));
    int black = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 120; ++x) {
            const Couleur c = s.point(x, y);
            if (x == 0 && y == 39) {
                EXPECT_EQ(c, 0x00FF00u); // untouched: transparent background
                continue;
            }
            ASSERT_TRUE(c == kNoir || c == kBlanc) << x << "," << y << " " << std::hex << c;
            if (c == kNoir) {
                ++black;
                EXPECT_TRUE(box.contains(x, y)) << x << "," << y;
            }
        }
    EXPECT_GT(black, 30);
    EXPECT_EQ(s.currentX(), 0);
    EXPECT_GT(s.currentY(), 2);
}

TEST(Surface, BitBltCopiesAndClipsAtBothSurfaces)
{
    Surface src(4, 2);
    src.setPixel(0, 0, kNoir);
    src.setPixel(3, 1, kNoir);
    Surface dst(3, 3);
    bitBlt(dst, 1, 1, 4, 2, src, 0, 0);
    EXPECT_TRUE(sameImage(imageFromAscii({"...", ".#.", "..."}), dst.image()));
    Surface dst2(3, 3);
    bitBlt(dst2, -2, 0, 5, 2, src, 0, 0); // source column 3 lands at x = 1
    EXPECT_TRUE(sameImage(imageFromAscii({"...", ".#.", "..."}), dst2.image()));
    bitBlt(dst2, 0, 0, 0, 5, src, 0, 0);
    bitBlt(dst2, 0, 0, -3, 5, src, 0, 0);
    EXPECT_TRUE(sameImage(imageFromAscii({"...", ".#.", "..."}), dst2.image()));
}

TEST(Surface, RefreshCallsTheHandlerAndSetPictureTakesItsSize)
{
    Surface s;
    int refreshes = 0;
    s.setRefreshHandler([&] { ++refreshes; });
    s.refresh();
    EXPECT_EQ(refreshes, 1);
    QImage picture(7, 5, QImage::Format_ARGB32);
    picture.fill(QColor(10, 20, 30));
    s.setPicture(picture);
    EXPECT_EQ(s.size(), QSize(7, 5));
    EXPECT_EQ(s.point(6, 4), rgb(10, 20, 30));
    s.resize(2, 2);
    EXPECT_EQ(s.point(1, 1), kBlanc);
}
