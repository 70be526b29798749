#include "dotmatrixtesting.h"

#include <QImage>

namespace {

constexpr Couleur kRed = kRouge;
constexpr Couleur kBlue = kBleu;

// The dots of rows 1 to 7 that the display shows in its j-th dot column from the
// left (row 1 in bit 0), for a sign whose dots are one lit pixel (P = 2).
int shownColumn(const DotMatrix &m, int j)
{
    const int P = m.PixelSize();
    int bits = 0;
    for (int r = 1; r <= 7; ++r) {
        if (m.display().point(1 + j * P, 1 + (r - 1) * P + 1) == m.forecolor())
            bits |= 1 << (r - 1);
    }
    return bits;
}

// The display shows columns p + 1 to N, then 1 to p.
void expectRotation(const DotMatrix &m)
{
    const int N = m.columnCount();
    const int p = m.pointeur();
    for (int j = 0; j < N; ++j) {
        const int c = (p + j) % N + 1;
        EXPECT_EQ(shownColumn(m, j), gridColumn(m, c))
            << "display column " << j << ", grid column " << c << ", pointer " << p;
    }
}

// A sign showing "AB" (N = 12) in black on white at P = 2.
struct AB
{
    AB()
    {
        useBlackOnWhite(m);
        m.maketext(QStringLiteral("AB"));
    }
    DotMatrix m{DotMatrixPolicy::matrice};
};

// Buffer pixel of the dot at row r, column c, at P = 2.
QPoint dotPixel(int r, int c)
{
    return QPoint((c - 1) * 2, (r - 1) * 2 + 1);
}

} // namespace

TEST(Matrice, CreationState)
{
    DotMatrix m(DotMatrixPolicy::matrice);
    EXPECT_EQ(DotMatrix::kCreditPrefix.size(), 38);
    EXPECT_EQ(DotMatrix::kInitialText.size(), 135);
    EXPECT_TRUE(DotMatrix::kInitialText.startsWith(DotMatrix::kCreditPrefix));
    EXPECT_TRUE(DotMatrix::kInitialText.endsWith(QStringLiteral("0123456789./*-+*!§:\\;,?!=}{[]()°")
                                                 + QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ")
                                                 + QStringLiteral("abcdefghijklmnopqrstuvwxyz")
                                                 + QStringLiteral("@àéè&*ù%$£²<>")));
    EXPECT_EQ(m.columnCount(), 6 * 135);
    EXPECT_EQ(m.upperColumn(), 1002);
    EXPECT_EQ(m.pointeur(), 1);
    EXPECT_EQ(m.PixelSize(), 2);
    EXPECT_EQ(m.forecolor(), 255u);
    EXPECT_EQ(m.backcolor(), 0x800000u);
    EXPECT_EQ(m.occupe(), 0);
    EXPECT_EQ(m.Uscrollsens(), 0);
    EXPECT_FALSE(m.TexteInitial().isValid());
    EXPECT_EQ(m.buffer().size(), QSize(8000, 333));
    EXPECT_EQ(m.display().size(), QSize(200, 31));
    // The first character stands at column 2 and the display begins with it.
    EXPECT_EQ(glyphInGrid(m, 2, 1), m.glyph('E'));
    EXPECT_NE(gridColumn(m, 2), 0);
    for (int j = 0; j < 99; ++j)
        EXPECT_EQ(shownColumn(m, j), gridColumn(m, j + 2));
    EXPECT_TRUE(allPixels(m.display(), QRect(0, 0, 200, 1), 0x800000));
}

TEST(Matrice, DotGeometryLeavesTopRowAndRightColumnUnlit)
{
    DotMatrix m(DotMatrixPolicy::matrice);
    useBlackOnWhite(m);
    m.setPixelSize(3);
    m.maketext(QStringLiteral("A")); // row 1 lights only column 4 (0x04 at column 2)
    ASSERT_EQ(m.cell(1, 4), 1);
    const Surface &b = m.buffer();
    EXPECT_TRUE(allPixels(b, QRect(9, 1, 2, 2), kNoir));
    EXPECT_TRUE(allPixels(b, QRect(9, 0, 3, 1), kBlanc));
    EXPECT_TRUE(allPixels(b, QRect(11, 0, 1, 3), kBlanc));
    EXPECT_TRUE(allPixels(b, QRect(0, 0, 9, 3), kBlanc));
}

TEST(Matrice, TextPixelsInTheBuffer)
{
    DotMatrix m(DotMatrixPolicy::matrice);
    useBlackOnWhite(m);
    m.setPixelSize(3);
    m.maketext(QStringLiteral("AB"));
    // Each lit cell (r, c) is the 2 x 2 square from ((c - 1)·3, (r - 1)·3 + 1).
    QImage expected(13 * 3, 8 * 3, QImage::Format_RGB32);
    expected.fill(Qt::white);
    const font5x7::GlyphRows a{0x04, 0x0A, 0x11, 0x1F, 0x11, 0x11, 0x11};
    const font5x7::GlyphRows b{0x1E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x1E};
    for (const auto &[glyph, first] : {std::pair{a, 2}, std::pair{b, 8}}) {
        for (int r = 1; r <= 7; ++r) {
            for (int k = 0; k < 5; ++k) {
                if (!(glyph[size_t(r - 1)] & (0x10 >> k)))
                    continue;
                const int c = first + k;
                for (int dy = 1; dy <= 2; ++dy) {
                    for (int dx = 0; dx <= 1; ++dx)
                        expected.setPixel((c - 1) * 3 + dx, (r - 1) * 3 + dy, qRgb(0, 0, 0));
                }
            }
        }
    }
    EXPECT_EQ(m.buffer().image().copy(expected.rect()), expected);
}

TEST(Matrice, PixelSizeOneShowsNoDot)
{
    DotMatrix m(DotMatrixPolicy::matrice);
    useBlackOnWhite(m);
    m.setPixelSize(1);
    m.maketext(QStringLiteral("AB"));
    EXPECT_EQ(glyphInGrid(m, 2, 1), m.glyph('A'));
    EXPECT_TRUE(allPixels(m.buffer(), QRect(0, 0, 40, 10), kBlanc));
    EXPECT_TRUE(allPixels(m.display(), m.display().rect(), kBlanc));
}

TEST(Matrice, ScrollRightWrapsOncePerRevolution)
{
    AB ab;
    DotMatrix &m = ab.m;
    int wraps = 0;
    m.setEndScrollHandler([&] { ++wraps; });
    expectRotation(m);
    for (int step = 1; step <= 11; ++step) {
        m.Scrolldroite();
        EXPECT_EQ(m.pointeur(), 1 + step);
        expectRotation(m);
    }
    EXPECT_EQ(wraps, 0);
    m.Scrolldroite();
    EXPECT_EQ(wraps, 1);
    EXPECT_EQ(m.pointeur(), 1);
    expectRotation(m);
    EXPECT_EQ(m.occupe(), 0);
}

TEST(Matrice, ScrollLeftWrapsAtOne)
{
    AB ab;
    DotMatrix &m = ab.m;
    int wraps = 0;
    m.setEndScrollHandler([&] { ++wraps; });
    m.Scrollgauche();
    EXPECT_EQ(wraps, 1);
    EXPECT_EQ(m.pointeur(), 12);
    expectRotation(m);
    for (int step = 1; step <= 11; ++step) {
        m.Scrollgauche();
        EXPECT_EQ(m.pointeur(), 12 - step);
        expectRotation(m);
    }
    EXPECT_EQ(wraps, 1);
}

TEST(Matrice, EndScrollComesBeforeTheDisplayChanges)
{
    AB ab;
    DotMatrix &m = ab.m;
    m.setpointeur(12);
    m.actualisebmp();
    const QImage before = m.display().image().copy();
    QImage inHandler;
    m.setEndScrollHandler([&] {
        inHandler = m.display().image().copy();
        EXPECT_EQ(m.pointeur(), 12);
    });
    m.Scrolldroite();
    EXPECT_EQ(inHandler, before);
    EXPECT_NE(m.display().image(), before);
}

TEST(Matrice, ScrollStepFromEndScrollHandlerIsIgnored)
{
    AB ab;
    DotMatrix &m = ab.m;
    m.setpointeur(12);
    int wraps = 0;
    m.setEndScrollHandler([&] {
        ++wraps;
        EXPECT_EQ(m.occupe(), -1);
        m.Scrolldroite();
        m.Scrollgauche();
        EXPECT_EQ(m.pointeur(), 12);
    });
    m.Scrolldroite();
    EXPECT_EQ(wraps, 1);
    EXPECT_EQ(m.pointeur(), 1);
    EXPECT_EQ(m.occupe(), 0);
}

TEST(Matrice, ScrollLeftReadsTheSizeAfterTheHandler)
{
    AB ab;
    DotMatrix &m = ab.m;
    // Other members run normally from the handler.
    m.setEndScrollHandler([&] { m.maketext(QStringLiteral("ABC")); });
    m.Scrollgauche();
    EXPECT_EQ(m.columnCount(), 18);
    EXPECT_EQ(m.pointeur(), 18);
    expectRotation(m);
}

TEST(Matrice, SetPointeurRepaintsTheBufferButNotTheDisplay)
{
    AB ab;
    DotMatrix &m = ab.m;
    const QImage before = m.display().image().copy();
    m.setForecolor(kRed);
    m.setpointeur(5);
    EXPECT_EQ(m.pointeur(), 5);
    EXPECT_EQ(m.occupe(), 0);
    EXPECT_EQ(m.display().image(), before);
    // Columns 1 to N - 1 are painted again in the current colour; column N is not.
    EXPECT_EQ(m.buffer().point(dotPixel(1, 11).x(), dotPixel(1, 11).y()), kRed);
    ASSERT_EQ(m.cell(2, 12), 1);
    EXPECT_EQ(m.buffer().point(dotPixel(2, 12).x(), dotPixel(2, 12).y()), kBlanc);
    m.actualisebmp();
    for (int j = 0; j < 12; ++j) {
        const int c = (5 + j) % 12 + 1;
        EXPECT_EQ(shownColumn(m, j), c == 12 ? 0 : gridColumn(m, c)) << j;
    }
}

TEST(Matrice, SetPointeurTakesAnyValue)
{
    AB ab;
    ab.m.setpointeur(40);
    EXPECT_EQ(ab.m.pointeur(), 40);
    ab.m.actualisebmp(); // beyond N: the copies have nothing to show
    ab.m.Scrolldroite();
    EXPECT_EQ(ab.m.pointeur(), 1);
    EXPECT_NUMBERED_ERROR(ab.m.setpointeur(40000), NumberedError::Overflow);
    EXPECT_EQ(ab.m.pointeur(), 1);
}

TEST(Matrice, BackcolorRepaintsColumnsOneToNMinusOne)
{
    AB ab;
    DotMatrix &m = ab.m;
    m.setBackcolor(kBlue);
    EXPECT_EQ(m.backcolor(), kBlue);
    int litCells = 0;
    for (int c = 1; c <= 11; ++c) {
        for (int r = 1; r <= 7; ++r) {
            const QPoint p = dotPixel(r, c);
            EXPECT_EQ(m.buffer().point(p.x(), p.y()), m.cell(r, c) ? kNoir : kBlue);
            litCells += m.cell(r, c);
        }
    }
    EXPECT_GT(litCells, 0);
    // Column 12 keeps its cells but loses its dots until the text is laid out again.
    for (int r = 1; r <= 7; ++r)
        EXPECT_EQ(m.buffer().point(dotPixel(r, 12).x(), dotPixel(r, 12).y()), kBlue);
    EXPECT_NE(gridColumn(m, 12), 0);
    // Both images were cleared: the display's untouched border takes the colour.
    EXPECT_TRUE(allPixels(m.display(), QRect(0, 0, 200, 1), kBlue));
    EXPECT_TRUE(allPixels(m.display(), QRect(0, 0, 1, 31), kBlue));
    EXPECT_EQ(shownColumn(m, 0), gridColumn(m, 2));
    EXPECT_EQ(shownColumn(m, 10), 0);
}

TEST(Matrice, PixelSizeClearsOnlyTheBuffer)
{
    AB ab;
    DotMatrix &m = ab.m;
    const QImage display = m.display().image().copy();
    const int columnA = gridColumn(m, 4);
    m.setPixelSize(3);
    EXPECT_EQ(m.PixelSize(), 3);
    EXPECT_EQ(m.display().image(), display);
    EXPECT_EQ(gridColumn(m, 4), columnA);
    EXPECT_TRUE(allPixels(m.buffer(), m.buffer().rect(), kBlanc));
    m.actualisebmp();
    EXPECT_TRUE(allPixels(m.display(), QRect(1, 1, 12 * 3, 8 * 3), kBlanc));
}

TEST(Matrice, PixelSizeFromVariants)
{
    DotMatrix m(DotMatrixPolicy::matrice);
    m.setPixelSize(QVariant(QStringLiteral(" 3 ")));
    EXPECT_EQ(m.PixelSize(), 3);
    m.setPixelSize(QVariant(2.5));
    EXPECT_EQ(m.PixelSize(), 2);
    m.setPixelSize(QVariant(3.5));
    EXPECT_EQ(m.PixelSize(), 4);
    m.setPixelSize(QVariant(QStringLiteral("4,6")));
    EXPECT_EQ(m.PixelSize(), 5);
    m.setPixelSize(QVariant());
    EXPECT_EQ(m.PixelSize(), 0);
    m.setPixelSize(QVariant(true));
    EXPECT_EQ(m.PixelSize(), -1);
    m.setPixelSize(2);
    EXPECT_NUMBERED_ERROR(m.setPixelSize(QVariant(QStringLiteral("deux"))), NumberedError::TypeMismatch);
    EXPECT_NUMBERED_ERROR(m.setPixelSize(QVariant(QString())), NumberedError::TypeMismatch);
    EXPECT_NUMBERED_ERROR(m.setPixelSize(QVariant(QStringList{QStringLiteral("2")})),
                          NumberedError::TypeMismatch);
    EXPECT_NUMBERED_ERROR(m.setPixelSize(QVariant(40000)), NumberedError::Overflow);
    EXPECT_NUMBERED_ERROR(m.setPixelSize(-32769), NumberedError::Overflow);
    EXPECT_EQ(m.PixelSize(), 2);
}

TEST(Matrice, SetMatriceSizeGrowsAndNeverShrinks)
{
    DotMatrix m(DotMatrixPolicy::matrice);
    EXPECT_EQ(m.upperColumn(), 1002);
    m.SetMatriceSize(1002);
    EXPECT_EQ(m.upperColumn(), 1003);
    m.SetMatriceSize(10);
    EXPECT_EQ(m.columnCount(), 10);
    EXPECT_EQ(m.taille(), QVariant(10));
    EXPECT_EQ(m.upperColumn(), 1003);
    EXPECT_NUMBERED_ERROR(m.cell(1, 1004), NumberedError::SubscriptOutOfRange);
    EXPECT_NUMBERED_ERROR(m.cell(9, 1), NumberedError::SubscriptOutOfRange);
}

TEST(Matrice, SetMatriceSizeKeepsOrClearsCells)
{
    AB ab;
    DotMatrix &m = ab.m;
    const font5x7::GlyphRows a = glyphInGrid(m, 2, 1);
    const font5x7::GlyphRows b = glyphInGrid(m, 8, 1);
    m.SetMatriceSize(2000, true); // growth keeps every cell
    EXPECT_EQ(glyphInGrid(m, 2, 1), a);
    EXPECT_EQ(glyphInGrid(m, 8, 1), b);
    m.SetMatriceSize(12, true);
    EXPECT_EQ(glyphInGrid(m, 2, 1), a);
    m.SetMatriceSize(6); // clears columns 1 to 6 only
    EXPECT_EQ(glyphInGrid(m, 2, 1), font5x7::GlyphRows{});
    EXPECT_EQ(glyphInGrid(m, 8, 1), b);
    EXPECT_NUMBERED_ERROR(m.SetMatriceSize(40000), NumberedError::Overflow);
}

TEST(Matrice, ClearmatriceSkipsCellsOutsideTheGrid)
{
    AB ab;
    DotMatrix &m = ab.m;
    m.drawchar(QStringLiteral("B"), 1, 2); // row 8 holds the last row of "B"
    m.clearmatrice(-5);
    for (int c = 0; c <= 12; ++c)
        EXPECT_EQ(gridColumn(m, c), 0);
    EXPECT_EQ(m.cell(8, 1), 1);
}

TEST(Matrice, DrawcharErrors)
{
    DotMatrix m(DotMatrixPolicy::matrice);
    useBlackOnWhite(m);
    const QImage buffer = m.buffer().image().copy();
    EXPECT_NUMBERED_ERROR(m.drawchar(QString(), 1, 1), NumberedError::InvalidArgument);
    EXPECT_EQ(m.buffer().image(), buffer);

    // Grid columns run to 1002: "B" at 998 paints (1, 998), then fails on its
    // spacing column 1003 after clearing that dot's pixels.
    EXPECT_NUMBERED_ERROR(m.drawchar(QStringLiteral("B"), 998, 1), NumberedError::SubscriptOutOfRange);
    EXPECT_EQ(m.cell(1, 998), 1);
    EXPECT_EQ(m.buffer().point(dotPixel(1, 998).x(), dotPixel(1, 998).y()), kNoir);

    // Row 9 does not exist: rows 3 to 8 are painted first.
    m.SetMatriceSize(20);
    EXPECT_NUMBERED_ERROR(m.drawchar(QStringLiteral("H"), 2, 3), NumberedError::SubscriptOutOfRange);
    EXPECT_EQ(m.cell(8, 2), 1);
    EXPECT_EQ(m.buffer().point(dotPixel(8, 2).x(), dotPixel(8, 2).y()), kNoir);

    m.setPixelSize(100); // (400 - 1) x 100 does not fit in 16 bits
    EXPECT_NUMBERED_ERROR(m.drawchar(QStringLiteral("A"), 400, 1), NumberedError::Overflow);
    EXPECT_NUMBERED_ERROR(m.drawchar(QStringLiteral("A"), 32767, 1), NumberedError::Overflow);
}

TEST(Matrice, CopiedHeightMustFitSixteenBits)
{
    DotMatrix m(DotMatrixPolicy::matrice);
    m.setPixelSize(4096);
    EXPECT_NUMBERED_ERROR(m.actualisebmp(), NumberedError::Overflow);
    m.setPixelSize(4095);
    m.actualisebmp();
}

TEST(Matrice, TexteInitialOnlyAtDesignTime)
{
    DotMatrix m(DotMatrixPolicy::matrice);
    ASSERT_TRUE(m.userMode());
    try {
        m.setTexteInitial(QStringLiteral("Salut"));
        ADD_FAILURE() << "no error";
    } catch (const NumberedError &e) {
        EXPECT_EQ(e.number(), 31013);
        EXPECT_EQ(e.description(), QStringLiteral("Propriété Inaccessible à l'exécution"));
    }
    EXPECT_FALSE(m.TexteInitial().isValid());
    EXPECT_EQ(m.columnCount(), 810);

    m.setUserMode(false);
    m.setTexteInitial(QStringLiteral("Salut"));
    EXPECT_EQ(m.TexteInitial(), QVariant(QStringLiteral("Salut")));
    EXPECT_EQ(m.columnCount(), 30);
    EXPECT_EQ(glyphInGrid(m, 2, 1), m.glyph('S'));
}

TEST(Matrice, ForecolorAffectsOnlyLaterDots)
{
    AB ab;
    DotMatrix &m = ab.m;
    m.setForecolor(kRed);
    EXPECT_EQ(m.buffer().point(dotPixel(1, 4).x(), dotPixel(1, 4).y()), kNoir);
    m.drawtext(QStringLiteral("A"), 0);
    EXPECT_EQ(m.buffer().point(dotPixel(1, 4).x(), dotPixel(1, 4).y()), kRed);
}

TEST(Matrice, ClsClearsOnlyTheDisplay)
{
    AB ab;
    const QImage buffer = ab.m.buffer().image().copy();
    ab.m.cls();
    EXPECT_TRUE(allPixels(ab.m.display(), ab.m.display().rect(), kBlanc));
    EXPECT_EQ(ab.m.buffer().image(), buffer);
    EXPECT_EQ(glyphInGrid(ab.m, 2, 1), ab.m.glyph('A'));
}

TEST(Matrice, UscrollsensIsStoredOnly)
{
    AB ab;
    ab.m.setUscrollsens(1);
    EXPECT_EQ(ab.m.Uscrollsens(), 1);
    ab.m.Scrolldroite();
    EXPECT_EQ(ab.m.pointeur(), 2);
    EXPECT_NUMBERED_ERROR(ab.m.setUscrollsens(32768), NumberedError::Overflow);
}

TEST(Matrice, ResizedDisplayKeepsWhatItShowed)
{
    AB ab;
    const QImage before = ab.m.display().image().copy();
    ab.m.resizeDisplay(QSize(300, 40));
    EXPECT_EQ(ab.m.display().size(), QSize(300, 40));
    EXPECT_EQ(ab.m.display().image().copy(0, 0, 200, 31), before);
    EXPECT_TRUE(allPixels(ab.m.display(), QRect(200, 0, 100, 40), kBlanc));
    EXPECT_EQ(ab.m.buffer().size(), QSize(8000, 333));
}
