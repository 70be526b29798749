#include "convert/niveauauto.h"
#include "convert/traitement.h"
#include "convert/tramage.h"
#include "support/imagediff.h"

#include <gtest/gtest.h>

using namespace traitement;

namespace {

constexpr Tramage kMethods[] = {Tramage::FloydSteinberg, Tramage::Atkinson, Tramage::Bayer};

Couleur grey(int g)
{
    return rgb(g, g, g);
}

// 255 * x div (width - 1) in every row.
Surface ramp(int width, int height)
{
    Surface s(width, height, kBlanc);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            s.setPixel(x, y, grey(255 * x / (width - 1)));
    return s;
}

QImage dithered(Surface s, Tramage method, int level = 0)
{
    Tramer(s, s.rect(), level, 1, method);
    return s.image();
}

int blackCount(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == 0;
    return count;
}

} // namespace

// Black exactly when the rounded average grey is at most 255 * (level + 50) div 100,
// over the whole surface; only invert == -1 swaps the colours.
TEST(Traitement, GreyLevelTable)
{
    SepareRVB(0x123456); // a colour's low byte is its red
    EXPECT_TRUE(rouge == 0x56 && vert == 0x34 && bleu == 0x12);
    struct Row
    {
        Couleur colour;
        int level;
        bool black;
    };
    std::vector<Row> rows = {
        {rgb(255, 0, 0), 0, true},       {rgb(127, 127, 128), 0, true}, // sum 382: grey 127
        {rgb(128, 128, 127), 0, false},  {rgb(1, 0, 0), -50, true},
        {rgb(1, 1, 0), -50, false},      {kBlanc, 50, true},
        {kBlanc, 60, true},              {kNoir, -60, false},
    };
    const int thresholds[] = {0, 25, 51, 76, 102, 127, 153, 178, 204, 229, 255};
    for (int i = 0; i < 11; ++i) {
        const int level = 10 * i - 50, t = thresholds[i];
        rows.push_back({grey(t), level, true});
        rows.push_back({grey(std::min(t + 1, 255)), level, t == 255});
        rows.push_back({grey(std::max(t - 1, 0)), level, true});
    }
    for (const Row &r : rows)
        for (const int invert : {1, 0, 2, -2, -1}) {
            SCOPED_TRACE(testing::Message() << std::hex << r.colour << std::dec << " level " << r.level
                                            << " invert " << invert);
            Surface s(170, 110, r.colour);
            ViaGrayscale(s, r.level, invert);
            EXPECT_TRUE(sameImage(Surface(170, 110, r.black == (invert != -1) ? kNoir : kBlanc).image(),
                                  s.image()));
        }
}

TEST(Traitement, SimpleMethodBlackensAllButExactWhiteInTheFixedArea)
{
    Surface s(200, 120, kBlanc);
    for (const QPoint p : {QPoint(0, 0), QPoint(159, 99), QPoint(20, 30)})
        s.setPixel(p.x(), p.y(), p.x() == 20 ? rgb(200, 10, 10) : 0xFEFEFE);
    s.setPixel(160, 50, 0x808080); // outside the 160 x 100 area: left alone
    s.setPixel(50, 100, 0x808080);
    NoirEtBlanc(s);
    QImage expected = blackAt(QSize(200, 120), {{0, 0}, {159, 99}, {20, 30}});
    expected.setPixel(160, 50, 0xFF808080);
    expected.setPixel(50, 100, 0xFF808080);
    EXPECT_TRUE(sameImage(expected, s.image()));

    Surface small(3, 1, 0xFEFEFE); // clipped, not overrun
    small.setPixel(1, 0, kBlanc);
    NoirEtBlanc(small);
    EXPECT_TRUE(sameImage(imageFromAscii({"#.#"}), small.image()));
}

// Every method refreshes the picture and runs the after-conversion hook (the viewer's refresh).
TEST(Traitement, EveryMethodRefreshesAndRunsTheHook)
{
    int hooks = 0, refreshes = 0;
    setAfterConversion([&] { ++hooks; });
    Surface s = ramp(16, 4);
    s.setRefreshHandler([&] { ++refreshes; });
    ViaGrayscale(s, 0, 1);
    NoirEtBlanc(s);
    for (const Tramage method : {Tramage::FloydSteinberg, Tramage::Atkinson, Tramage::Bayer, Tramage::Aucun})
        Tramer(s, s.rect(), 0, 1, method);
    setAfterConversion(nullptr);
    NoirEtBlanc(s);
    EXPECT_EQ(hooks, 6);
    EXPECT_EQ(refreshes, 7);
}

TEST(Tramage, ToneKeepsTheThresholdAndFollowsTheLevel)
{
    // At 20 the threshold 178.5 moves to the middle: 36 * 50 / 70 = 25.7 -> 25,
    // 182 -> (50 * 182 - 255 * 20) / 30 = 133.3 -> 134.
    const int ramp8[] = {0, 36, 72, 109, 145, 182, 218, 255};
    const int at20[] = {0, 25, 51, 77, 103, 134, 194, 255};
    const int atMinus20[] = {0, 60, 120, 151, 177, 203, 229, 255};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(ton(ramp8[i], 0), ramp8[i]);
        EXPECT_EQ(ton(ramp8[i], 20), at20[i]) << ramp8[i];
        EXPECT_EQ(ton(ramp8[i], -20), atMinus20[i]) << ramp8[i];
        EXPECT_EQ(ton(ramp8[i], 80), ton(ramp8[i], 50));
        EXPECT_EQ(ton(ramp8[i], -80), ton(ramp8[i], -50));
    }
    // Dark exactly where the plain method makes black, within 0..255, never lighter as the level rises.
    for (int level = -50; level <= 50; ++level)
        for (int g = 0; g <= 255; ++g) {
            const int t = ton(g, level);
            ASSERT_EQ(t <= 127, 100 * g <= 255 * (level + 50)) << level << " " << g;
            ASSERT_TRUE(t >= 0 && t <= 255 && (level == -50 || t <= ton(g, level - 1))) << level << " " << g;
        }
}

TEST(Tramage, HandWorkedGoldens)
{
    struct Golden
    {
        Tramage method;
        Surface source;
        QStringList expected;
    };
    // Floyd-Steinberg on grey 96, 3 x 2, shares rounded down: (0,0) 96 black, error 96:
    // +42 right, +30 below, +6 below right; (1,0) 138 white, error -117: -52 right,
    // -22 below left, -37 below, -6 below right; (2,0) 44 black. Row 1 holds 8, -23, 7
    // and runs right to left: 103 black (+45 left), 118 black (+51 left), 155 white.
    // Ramps 0, 17, ..., 255 (16 x 2) and 0, 36, ..., 255 (8 x 2): the second rows
    // run right to left. Bayer: black when 128 * grey < 255 * (2M + 1), row 0 of the
    // matrix 0 32 8 40 2 34 10 42, row 1 48 16 56 24 50 18 58 26.
    const Golden goldens[] = {
        {Tramage::FloydSteinberg, Surface(3, 2, grey(96)), {"#.#", ".##"}},
        {Tramage::FloydSteinberg, ramp(16, 2), {"######.#.#......", "#####.#.#.#.#..."}},
        {Tramage::Atkinson, ramp(8, 2), {"####....", "##.##..."}},
        {Tramage::Bayer, ramp(16, 2), {"##.#.#.#........", "#####.#.#.#....."}},
    };
    for (const Golden &g : goldens) {
        SCOPED_TRACE(nomTramage(g.method).toStdString() + " " + std::to_string(g.source.width()));
        EXPECT_TRUE(sameImage(imageFromAscii(g.expected), dithered(g.source, g.method)));
    }
    // The ordered matrix holds each of 0..63 once: a flat grey g blackens exactly the
    // cells whose M passes the rule.
    for (int g = 0; g <= 255; ++g) {
        int expected = 0;
        for (int m = 0; m < 64; ++m)
            expected += 128 * g < 255 * (2 * m + 1);
        ASSERT_EQ(blackCount(dithered(Surface(8, 8, grey(g)), Tramage::Bayer)), expected) << g;
    }
}

// Over many rows the tones are kept: grey g gives about (255 - g) / 255 of black;
// a higher level darkens.
TEST(Tramage, TonesAreKeptOverAWholePicture)
{
    for (const Tramage method : kMethods) {
        SCOPED_TRACE(nomTramage(method).toStdString());
        const double tolerance = method == Tramage::Atkinson ? 0.1 : 0.03;
        for (const int g : {0, 64, 128, 192, 255})
            EXPECT_NEAR(blackCount(dithered(Surface(160, 100, grey(g)), method)) / 16000.0, (255.0 - g) / 255,
                        g % 255 ? tolerance : 0)
                << g;
        EXPECT_GT(blackCount(dithered(Surface(160, 100, grey(128)), method, 20)),
                  blackCount(dithered(Surface(160, 100, grey(128)), method, -20)));
    }
}

// Inside the area, the area dithered as a picture of its own (errors never leave it,
// the matrix counts from its corner); outside, the plain grey-level rule. Inversion
// swaps every decision; an area past the edges is cut to the picture.
TEST(Tramage, AreaInversionAndClipping)
{
    Surface source(160, 100, kBlanc);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x)
            source.setPixel(x, y, rgb((x * 3 + y) & 0xFF, (x * y) & 0xFF, (y * 5) & 0xFF));
    const QRect zone(13, 7, 50, 41);
    Surface none = source, plain = source;
    Tramer(none, zone, 10, -1, Tramage::Aucun);
    ViaGrayscale(plain, 10, -1);
    EXPECT_TRUE(sameImage(plain.image(), none.image()));
    for (const Tramage method : kMethods) {
        SCOPED_TRACE(nomTramage(method).toStdString());
        Surface picture = source, inverted = source;
        Tramer(picture, zone, 10, 1, method);
        Tramer(inverted, zone, 10, -1, method);
        Surface alone(zone.width(), zone.height(), kBlanc);
        bitBlt(alone, 0, 0, zone.width(), zone.height(), source, zone.left(), zone.top());
        Tramer(alone, alone.rect(), 10, 1, method);
        QImage expected = plain.image();
        expected.invertPixels();
        for (int y = 0; y < zone.height(); ++y)
            for (int x = 0; x < zone.width(); ++x)
                expected.setPixel(zone.left() + x, zone.top() + y, alone.image().pixel(x, y));
        EXPECT_TRUE(sameImage(expected, picture.image()));
        expected.invertPixels();
        EXPECT_TRUE(sameImage(expected, inverted.image()));

        Surface past = source, clipped = source, away = source;
        Tramer(past, QRect(140, 90, 100, 100), 10, -1, method);
        Tramer(clipped, QRect(140, 90, 20, 10), 10, -1, method);
        EXPECT_TRUE(sameImage(clipped.image(), past.image()));
        Tramer(away, QRect(300, -50, 40, 40), 10, -1, method);
        EXPECT_TRUE(sameImage(plain.image(), away.image()));
    }
}

TEST(NiveauAuto, OtsuWorkedOut)
{
    const auto counts = [](std::initializer_list<std::pair<int, qint64>> bins) {
        Histogramme h{};
        for (const auto &[g, n] : bins)
            h[g] = n;
        return h;
    };
    // Greys 0, 100, 255, 255: the classes {0, 100} and {255} are best, for every k
    // from 100 to 254: the middle is 177. Two tones: the middle of the empty run
    // between them; only empty greys extend a run.
    const struct
    {
        Histogramme histogram;
        std::optional<double> seuil;
    } cases[] = {
        {counts({{0, 1}, {100, 1}, {255, 2}}), 177.0},
        {counts({{0, 10}, {255, 30}}), 127.0},
        {counts({{60, 5}, {200, 5}}), 129.5},
        {counts({{10, 100}, {11, 100}, {240, 100}, {241, 100}}), 125.0},
        {counts({}), std::nullopt},
        {counts({{77, 1000}}), std::nullopt},
        {counts({{255, 1}}), std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(seuilOtsu(c.histogram), c.seuil);

    // The level whose inclusive threshold 255 * (level + 50) div 100 is nearest;
    // 54.5 lies 1.5 from 53 (level -29) and 56 (-28): the lower level.
    const std::pair<double, int> levels[] = {{0, -50},   {-20, -50}, {127, 0},    {129.5, 1},
                                             {177, 20},  {255, 50},  {400, 50},   {54.5, -29}};
    for (const auto &[seuil, level] : levels)
        EXPECT_EQ(niveauPourSeuil(seuil), level) << seuil;

    // The plain rounded grey: (127,127,128) -> 127, (128,128,127) -> 128, red -> 85, any format.
    QImage image(4, 1, QImage::Format_RGB888);
    for (const auto &[x, c] : {std::pair{0, qRgb(127, 127, 128)}, {1, qRgb(128, 128, 127)}, {2, qRgb(255, 0, 0)},
                               {3, qRgb(255, 0, 0)}})
        image.setPixel(x, 0, c);
    const Histogramme h = histogrammeGris(image);
    EXPECT_TRUE(h[127] == 1 && h[128] == 1 && h[85] == 2);
}
