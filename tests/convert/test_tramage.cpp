#include "convert/tramage.h"
#include "convert/traitement.h"
#include "support/imagediff.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace traitement;

namespace {

constexpr Tramage kMethods[] = {Tramage::FloydSteinberg, Tramage::Atkinson, Tramage::Bayer};

// Rows of plain greys.
Surface greys(const std::vector<std::vector<int>> &rows)
{
    Surface s(int(rows.front().size()), int(rows.size()), kBlanc);
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            s.setPixel(x, y, rgb(rows[y][x], rows[y][x], rows[y][x]));
    return s;
}

Surface flat(int width, int height, int grey)
{
    return greys(std::vector<std::vector<int>>(size_t(height), std::vector<int>(size_t(width), grey)));
}

// 255 * x div (width - 1) in every row.
Surface ramp(int width, int height)
{
    std::vector<int> row;
    for (int x = 0; x < width; ++x)
        row.push_back(255 * x / (width - 1));
    return greys(std::vector<std::vector<int>>(size_t(height), row));
}

QImage dithered(Surface s, Tramage method, int level = 0, int invert = 1)
{
    Tramer(s, s.rect(), level, invert, method);
    return s.image();
}

int blackCount(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == 0;
    return count;
}

} // namespace

TEST(Tramage, NamesOfTheCommandLine)
{
    for (const Tramage method : kMethods)
        EXPECT_EQ(tramageDepuisNom(nomTramage(method)), method);
    EXPECT_EQ(nomTramage(Tramage::FloydSteinberg), QStringLiteral("floyd-steinberg"));
    EXPECT_EQ(nomTramage(Tramage::Atkinson), QStringLiteral("atkinson"));
    EXPECT_EQ(nomTramage(Tramage::Bayer), QStringLiteral("bayer"));
    for (const char *bad : {"", "aucun", "Bayer", "floyd", "floyd-steinberg "})
        EXPECT_FALSE(tramageDepuisNom(QString::fromUtf8(bad))) << bad;
}

TEST(Tramage, ToneKeepsTheThresholdAndFollowsTheLevel)
{
    // Level 0 changes nothing; at 20 the threshold 178.5 moves to the middle:
    // 36 * 50 / 70 = 25.7 -> 25, 182 -> (50 * 182 - 255 * 20) / 30 = 133.3 -> 134.
    const int ramp8[] = {0, 36, 72, 109, 145, 182, 218, 255};
    const int at20[] = {0, 25, 51, 77, 103, 134, 194, 255};
    const int atMinus20[] = {0, 60, 120, 151, 177, 203, 229, 255};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(ton(ramp8[i], 0), ramp8[i]);
        EXPECT_EQ(ton(ramp8[i], 20), at20[i]) << ramp8[i];
        EXPECT_EQ(ton(ramp8[i], -20), atMinus20[i]) << ramp8[i];
    }
    // Every grey at every level: dark exactly as the plain method decides, within
    // 0..255, never lighter as the level rises, black and white fixed in between.
    for (int level = -50; level <= 50; ++level)
        for (int g = 0; g <= 255; ++g) {
            const int t = ton(g, level);
            ASSERT_EQ(t <= 127, 100 * g <= 255 * (level + 50)) << level << " " << g;
            ASSERT_GE(t, 0);
            ASSERT_LE(t, 255);
            if (level > -50) {
                ASSERT_LE(t, ton(g, level - 1)) << level << " " << g;
            }
        }
    EXPECT_EQ(ton(0, -49), 0);
    EXPECT_EQ(ton(255, 49), 255);
    // Past the slider's ends, the ends.
    EXPECT_EQ(ton(100, 80), ton(100, 50));
    EXPECT_EQ(ton(100, -80), ton(100, -50));
}

TEST(Tramage, FloydSteinbergWorkedOutOnAFlatGrey)
{
    // Grey 96 at level 0, 3 x 2; shares rounded down. Row 0, left to right:
    //  (0,0) 96 black, error 96: right +42, below +30, below right 96-42-18-30 = 6
    //        (the 18 below left falls off).
    //  (0,1) 96+42 = 138 white, error -117: right -52 (-51.2 rounded down), below
    //        left -22, below -37, below right -117+52+22+37 = -6.
    //  (0,2) 96-52 = 44 black, error 44: below left +8, below +13 (the rest falls off).
    // Row 1 holds 30-22 = 8, 6-37+8 = -23, -6+13 = 7 and runs right to left:
    //  (1,2) 103 black, error 103: 103*7/16 = 45 to (1,1); (1,1) 96-23+45 = 118 black,
    //  118*7/16 = 51 to (1,0); (1,0) 96+8+51 = 155 white.
    // A left-to-right second row would give "##." instead.
    EXPECT_TRUE(sameImage(imageFromAscii({QStringLiteral("#.#"), QStringLiteral(".##")}),
                          dithered(flat(3, 2, 96), Tramage::FloydSteinberg)));
}

TEST(Tramage, GoldenRampsForEachMethod)
{
    // 16 x 2 ramp 0, 17, ..., 255 at level 0. Floyd-Steinberg: the first row's values
    // 0 17 41 68 97 127 157(w) 76 169(w) 115 220(w) 171(w) 167(w) ...; its second row
    // runs right to left (left to right would give "####.#.#..#.#...").
    EXPECT_TRUE(sameImage(imageFromAscii({QStringLiteral("######.#.#......"),
                                          QStringLiteral("#####.#.#.#.#...")}),
                          dithered(ramp(16, 2), Tramage::FloydSteinberg)));
    // Atkinson, 8 x 2 ramp 0, 36, 72, 109, 145, 182, 218, 255: first row values
    // 0 36 76 122 169(w) 187(w) 200(w) 241(w); the second row, right to left,
    // 248(w) 203(w) 152(w) 124 126 130(w) 49 -5 (left to right would give "###.....").
    EXPECT_TRUE(sameImage(imageFromAscii({QStringLiteral("####...."), QStringLiteral("##.##...")}),
                          dithered(ramp(8, 2), Tramage::Atkinson)));
    // Bayer: black when 128 * grey < 255 * (2M + 1). Row 0 of the matrix is
    // 0 32 8 40 2 34 10 42: grey 17 against M = 32 -> 17*128 < 255*65, black; grey 34
    // against M = 8 -> 4352 >= 4335, white.
    EXPECT_TRUE(sameImage(imageFromAscii({QStringLiteral("##.#.#.#........"),
                                          QStringLiteral("#####.#.#.#.....")}),
                          dithered(ramp(16, 2), Tramage::Bayer)));
}

TEST(Tramage, TonesAreKeptAndTheLevelActsAsBrightness)
{
    const QRect all(0, 0, 160, 100);
    for (const Tramage method : kMethods) {
        // Grey g gives about (255 - g) / 255 of black pixels; Atkinson, which drops a
        // quarter of the error, only in the middle tones.
        const bool atkinson = method == Tramage::Atkinson;
        for (const int g : {32, 64, 128, 192, 224}) {
            if (atkinson && (g < 64 || g > 192))
                continue;
            const double expected = (255.0 - g) / 255.0;
            const double share = blackCount(dithered(flat(160, 100, g), method), all) / 16000.0;
            EXPECT_NEAR(share, expected, atkinson ? 0.1 : 0.03)
                << nomTramage(method).toStdString() << " grey " << g;
        }
        // Half grey: about half black, the plain method all white.
        const int half = blackCount(dithered(flat(160, 100, 128), method), all);
        EXPECT_NEAR(half, 8000, 400) << nomTramage(method).toStdString();
        // A higher level: darker; a lower one: lighter.
        int previous = -1;
        for (const int level : {-40, -20, 0, 20, 40}) {
            const int count = blackCount(dithered(flat(160, 100, 128), method, level), all);
            EXPECT_GT(count, previous) << nomTramage(method).toStdString() << " level " << level;
            previous = count;
        }
        // Black and white stay so at level 0.
        if (atkinson) {
            // Light and dark areas come out clean.
            EXPECT_EQ(blackCount(dithered(flat(160, 100, 32), method), all), 16000);
            EXPECT_EQ(blackCount(dithered(flat(160, 100, 224), method), all), 0);
        }
        EXPECT_EQ(blackCount(dithered(flat(40, 20, 0), method), QRect(0, 0, 40, 20)), 800);
        EXPECT_EQ(blackCount(dithered(flat(40, 20, 255), method), QRect(0, 0, 40, 20)), 0);
    }
}

TEST(Tramage, InversionSwapsEveryDecision)
{
    Surface source = ramp(48, 30);
    for (int y = 0; y < 30; ++y)
        source.setPixel(5, y, rgb(200, 30, 90));
    const QRect zone(8, 4, 30, 20);
    for (const Tramage method : kMethods)
        for (const int level : {-30, 0, 25}) {
            Surface plain = source;
            Surface inverted = source;
            Tramer(plain, zone, level, 1, method);
            Tramer(inverted, zone, level, -1, method);
            QImage expected = plain.image();
            expected.invertPixels();
            EXPECT_TRUE(sameImage(expected, inverted.image()))
                << nomTramage(method).toStdString() << " level " << level;
        }
}

TEST(Tramage, OutsideTheAreaThePlainRuleInsideAPictureOfItsOwn)
{
    // A colourful picture; the area is dithered as if it were a picture by itself
    // (errors never leave it, rows and the matrix count from its corner), the
    // rest is exactly what the plain grey-level method makes.
    Surface source(160, 100, kBlanc);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x)
            source.setPixel(x, y, rgb((x * 3 + y) & 0xFF, (x * y) & 0xFF, (y * 5) & 0xFF));
    const QRect zone(13, 7, 50, 41);
    for (const Tramage method : kMethods)
        for (const int invert : {1, -1}) {
            Surface picture = source;
            Tramer(picture, zone, 10, invert, method);

            Surface plain = source;
            ViaGrayscale(plain, 10, invert);
            Surface alone(zone.width(), zone.height(), kBlanc);
            bitBlt(alone, 0, 0, zone.width(), zone.height(), source, zone.left(), zone.top());
            Tramer(alone, alone.rect(), 10, invert, method);

            QImage expected = plain.image();
            for (int y = 0; y < zone.height(); ++y)
                for (int x = 0; x < zone.width(); ++x)
                    expected.setPixel(zone.left() + x, zone.top() + y, alone.image().pixel(x, y));
            EXPECT_TRUE(sameImage(expected, picture.image())) << nomTramage(method).toStdString();
        }
}

TEST(Tramage, NoMethodEmptyAndClippedAreas)
{
    Surface source = ramp(160, 100);
    Surface plain = source;
    ViaGrayscale(plain, -10, -1);

    Surface none = source;
    Tramer(none, QRect(0, 0, 160, 100), -10, -1, Tramage::Aucun);
    EXPECT_TRUE(sameImage(plain.image(), none.image()));
    for (const Tramage method : kMethods) {
        Surface empty = source;
        Tramer(empty, QRect(20, 20, 0, 0), -10, -1, method);
        EXPECT_TRUE(sameImage(plain.image(), empty.image()));
        Surface away = source;
        Tramer(away, QRect(300, -50, 40, 40), -10, -1, method);
        EXPECT_TRUE(sameImage(plain.image(), away.image()));

        // An area past the picture's edges is cut to the picture.
        Surface past = source;
        Tramer(past, QRect(140, 90, 100, 100), -10, -1, method);
        Surface clipped = source;
        Tramer(clipped, QRect(140, 90, 20, 10), -10, -1, method);
        EXPECT_TRUE(sameImage(clipped.image(), past.image()));
        // The slider's ends and beyond: only black and white, no failure.
        for (const int level : {-80, -50, 50, 80}) {
            Surface s = source;
            Tramer(s, s.rect(), level, 1, method);
            EXPECT_EQ(blackCount(s.image(), s.rect()) + blackCount(dithered(source, method, level, -1), s.rect()),
                      16000);
        }
    }
}

TEST(Tramage, EndsLikeEveryMethod)
{
    int hooks = 0;
    int refreshes = 0;
    setAfterConversion([&] { ++hooks; });
    Surface s = flat(16, 4, 100);
    s.setRefreshHandler([&] { ++refreshes; });
    for (const Tramage method : kMethods)
        Tramer(s, s.rect(), 0, 1, method);
    Tramer(s, s.rect(), 0, 1, Tramage::Aucun);
    setAfterConversion({});
    EXPECT_EQ(hooks, 4);
    EXPECT_EQ(refreshes, 4);
}
