#include "dotmatrixtesting.h"

#include <QImage>

#include <set>
#include <utility>

namespace {

class Afflcd : public ::testing::Test
{
protected:
    DotMatrix m{DotMatrixPolicy::afflcd};
};

// What the zoomed preview does with a 160 x 100 picture whose dark pixels are given.
void showPicture(DotMatrix &m, const std::set<std::pair<int, int>> &dark)
{
    m.setBackcolor(kBlanc);
    m.setForecolor(kNoir);
    m.setPixelSize(3);
    m.SetMatriceSize(160, false);
    m.setBackcolor(kBlanc);
    for (const auto &[x, y] : dark)
        m.drawpixel(3, x + 1, y + 1);
    m.actualisebmp();
}

} // namespace

TEST_F(Afflcd, CreationState)
{
    EXPECT_FALSE(m.taille().isValid());
    EXPECT_EQ(m.columnCount(), 0);
    EXPECT_EQ(m.upperColumn(), 8);
    EXPECT_EQ(m.cell(200, 8), 0);
    EXPECT_NUMBERED_ERROR(m.cell(201, 0), NumberedError::SubscriptOutOfRange);
    EXPECT_EQ(m.pointeur(), 1);
    EXPECT_EQ(m.PixelSize(), 2);
    EXPECT_EQ(m.forecolor(), 255u);
    EXPECT_EQ(m.backcolor(), 0x800000u);
    EXPECT_EQ(m.display().size(), QSize(200, 31));
    for (int code = 0; code < 256; ++code)
        EXPECT_EQ(m.glyph(code), font5x7::GlyphRows{}) << code;
    EXPECT_TRUE(allPixels(m.buffer(), QRect(0, 0, 100, 100), 0x800000));
}

TEST_F(Afflcd, DotsOutsideTheFirstColumnsFailAfterPainting)
{
    m.drawpixel(3, 8, 1);
    EXPECT_EQ(m.cell(1, 8), 1);
    EXPECT_TRUE(allPixels(m.buffer(), QRect(24, 4, 3, 3), 255));

    EXPECT_NUMBERED_ERROR(m.drawpixel(3, 9, 1), NumberedError::SubscriptOutOfRange);
    EXPECT_TRUE(allPixels(m.buffer(), QRect(27, 4, 3, 3), 255));

    // Row 0 is outside the grid too.
    EXPECT_NUMBERED_ERROR(m.drawpixel(2, 3, 0), NumberedError::SubscriptOutOfRange);
    EXPECT_TRUE(allPixels(m.buffer(), QRect(6, 1, 2, 2), 255));
    EXPECT_EQ(m.buffer().point(6, 0), 0x800000u);
    EXPECT_EQ(m.buffer().point(6, 3), 0x800000u);

    m.drawpixel(1, 3, 200);
    EXPECT_EQ(m.cell(200, 3), 1);
}

TEST_F(Afflcd, PictureGeometryAtPixelSizeThree)
{
    const std::set<std::pair<int, int>> dark = {{0, 0}, {1, 0}, {5, 7}, {80, 50}, {159, 99}, {158, 99}};
    showPicture(m, dark);
    EXPECT_EQ(m.columnCount(), 160);
    EXPECT_GE(m.upperColumn(), 161);

    // Picture pixel (x, y) is the block of columns 3x + 3 to 3x + 5, rows 3y + 4 to 3y + 6.
    QImage expected(490, 310, QImage::Format_RGB32);
    expected.fill(Qt::white);
    for (const auto &[x, y] : dark) {
        for (int dy = 4; dy <= 6; ++dy) {
            for (int dx = 3; dx <= 5; ++dx)
                expected.setPixel(3 * x + dx, 3 * y + dy, qRgb(0, 0, 0));
        }
    }
    EXPECT_EQ(m.buffer().image().copy(expected.rect()), expected);

    // The display starts with grid column 1; grid column 160 is not shown and
    // the empty column 0 closes the row.
    m.resizeDisplay(QSize(489, 305));
    m.actualisebmp();
    EXPECT_EQ(m.display().image().copy(0, 0, 477, 305), expected.copy(3, 0, 477, 305));
    EXPECT_TRUE(allPixels(m.display(), QRect(477, 0, 12, 305), kBlanc));
}

TEST_F(Afflcd, ClearpixelUndoesDrawpixel)
{
    useBlackOnWhite(m);
    m.drawpixel(4, 5, 6);
    EXPECT_TRUE(allPixels(m.buffer(), QRect(20, 25, 4, 4), kNoir));
    m.clearpixel(4, 5, 6);
    EXPECT_EQ(m.cell(6, 5), 0);
    EXPECT_TRUE(allPixels(m.buffer(), QRect(0, 0, 60, 60), kBlanc));
}

TEST_F(Afflcd, PixelSizeOnePaintsOnePixelBelow)
{
    useBlackOnWhite(m);
    m.drawpixel(1, 4, 7);
    EXPECT_EQ(m.buffer().point(4, 8), kNoir);
    EXPECT_TRUE(allPixels(m.buffer(), QRect(0, 0, 4, 20), kBlanc));
    EXPECT_TRUE(allPixels(m.buffer(), QRect(5, 0, 10, 20), kBlanc));
    EXPECT_TRUE(allPixels(m.buffer(), QRect(4, 0, 1, 8), kBlanc));
    EXPECT_TRUE(allPixels(m.buffer(), QRect(4, 9, 1, 10), kBlanc));
}

TEST_F(Afflcd, ClearmatriceCoversAllRows)
{
    m.SetMatriceSize(10);
    m.drawpixel(2, 5, 150);
    m.drawpixel(2, 5, 200);
    m.drawpixel(2, 11, 150);
    m.clearmatrice(1);
    EXPECT_EQ(m.cell(150, 5), 0);
    EXPECT_EQ(m.cell(200, 5), 0);
    EXPECT_EQ(m.cell(150, 11), 1); // column N + 1 is not cleared
}

TEST_F(Afflcd, RepaintCoversAllRows)
{
    useBlackOnWhite(m);
    m.SetMatriceSize(10);
    m.drawpixel(2, 3, 150);
    m.setForecolor(kRouge);
    m.setpointeur(1);
    EXPECT_TRUE(allPixels(m.buffer(), QRect(6, 301, 2, 2), kRouge));
    m.setBackcolor(kBleu);
    EXPECT_TRUE(allPixels(m.buffer(), QRect(6, 301, 2, 2), kRouge));
    EXPECT_EQ(m.buffer().point(8, 301), kBleu);
}

TEST_F(Afflcd, GrowthKeepsAllRows)
{
    m.SetMatriceSize(5);
    m.drawpixel(2, 6, 180);
    m.SetMatriceSize(300, true);
    EXPECT_EQ(m.cell(180, 6), 1);
    EXPECT_EQ(m.cell(200, 301), 0);
    EXPECT_EQ(m.upperColumn(), 301);
}

TEST_F(Afflcd, TextIsBlankWithoutGlyphs)
{
    m.maketext(QStringLiteral("AB"));
    EXPECT_EQ(m.columnCount(), 12);
    for (int c = 0; c <= 13; ++c)
        EXPECT_EQ(gridColumn(m, c), 0);
}

TEST_F(Afflcd, DefinedGlyphsDrawAsFullSquares)
{
    useBlackOnWhite(m);
    const QString full = QStringLiteral("11111");
    m.addfont({QStringLiteral("A"), full, full, full, full, full, full, full});
    m.maketext(QStringLiteral("AA"));
    EXPECT_EQ(glyphInGrid(m, 2, 1), m.glyph('A'));
    EXPECT_EQ(glyphInGrid(m, 8, 1), m.glyph('A'));
    EXPECT_EQ(gridColumn(m, 7), 0);
    // Columns 2 to 6 and rows 1 to 7 at P = 2: one solid block.
    EXPECT_TRUE(allPixels(m.buffer(), QRect(4, 3, 10, 14), kNoir));
    EXPECT_TRUE(allPixels(m.buffer(), QRect(14, 3, 2, 14), kBlanc));
    EXPECT_TRUE(allPixels(m.buffer(), QRect(4, 0, 10, 3), kBlanc));
}

TEST_F(Afflcd, ActualisebmpStartsAtTheDisplayCorner)
{
    useBlackOnWhite(m);
    m.SetMatriceSize(10);
    m.drawpixel(2, 1, 1); // pixels (2..3, 3..4)
    m.drawpixel(2, 0, 2); // column 0 shows last
    m.actualisebmp();
    EXPECT_TRUE(allPixels(m.display(), QRect(0, 3, 2, 2), kNoir));
    EXPECT_TRUE(allPixels(m.display(), QRect(18, 5, 2, 2), kNoir));
    EXPECT_TRUE(allPixels(m.display(), QRect(0, 0, 20, 3), kBlanc));
}

TEST_F(Afflcd, TexteInitialIsStoredNotLaidOut)
{
    EXPECT_NUMBERED_ERROR(m.setTexteInitial(QStringLiteral("x")), NumberedError::PropertyNotAtRuntime);
    m.setUserMode(false);
    m.setTexteInitial(QStringLiteral("Salut"));
    EXPECT_EQ(m.TexteInitial(), QVariant(QStringLiteral("Salut")));
    EXPECT_FALSE(m.taille().isValid());
}

TEST_F(Afflcd, ScrollingWithoutASize)
{
    int wraps = 0;
    m.setEndScrollHandler([&] { ++wraps; });
    m.actualisebmp();
    m.Scrolldroite();
    EXPECT_EQ(m.pointeur(), 1);
    m.Scrollgauche();
    EXPECT_EQ(m.pointeur(), 0);
    EXPECT_EQ(wraps, 2);
}

TEST_F(Afflcd, CopiedHeightOverflows)
{
    m.setPixelSize(164); // 200 x 164 > 32767
    EXPECT_NUMBERED_ERROR(m.actualisebmp(), NumberedError::Overflow);
    m.setPixelSize(163);
    m.actualisebmp();
}
