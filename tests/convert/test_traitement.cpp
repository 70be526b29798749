#include "convert/traitement.h"
#include "support/imagediff.h"

#include <gtest/gtest.h>

using namespace traitement;

namespace {

// A one-row picture of the given colours.
Surface row(const std::vector<Couleur> &colours)
{
    Surface s(int(colours.size()), 1, kBlanc);
    for (size_t i = 0; i < colours.size(); ++i)
        s.setPixel(int(i), 0, colours[i]);
    return s;
}

std::vector<Couleur> pixels(const Surface &s)
{
    std::vector<Couleur> out;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            out.push_back(s.point(x, y));
    return out;
}

Couleur grey(int g)
{
    return rgb(g, g, g);
}

} // namespace

TEST(Traitement, SepareRVBSplitsTheThreeBytes)
{
    SepareRVB(0x123456);
    EXPECT_EQ(rouge, 0x56);
    EXPECT_EQ(vert, 0x34);
    EXPECT_EQ(bleu, 0x12);
    SepareRVB(kBlanc);
    EXPECT_EQ(rouge + vert + bleu, 765);
}

TEST(Traitement, ThresholdIsInclusiveAtEveryLevel)
{
    const std::vector<std::pair<int, int>> table = {
        {-50, 0},   {-40, 25},  {-30, 51},  {-20, 76},  {-10, 102}, {0, 127},
        {10, 153},  {20, 178},  {30, 204},  {40, 229},  {50, 255}};
    for (const auto &[level, t] : table) {
        Surface s = row({grey(t), grey(std::min(t + 1, 255)), grey(std::max(t - 1, 0))});
        ViaGrayscale(s, level, 1);
        const Couleur above = t == 255 ? kNoir : kBlanc;
        EXPECT_EQ(pixels(s), (std::vector<Couleur>{kNoir, above, kNoir})) << "level " << level;
    }
}

TEST(Traitement, EveryColourSumAtEveryLevel)
{
    // One pixel per sum 0..765 of red + green + blue, checked against the rule
    // "black exactly when 100 * grey <= 255 * (level + 50)", also past the slider's ends.
    for (int level = -60; level <= 60; ++level) {
        Surface s(766, 1, kBlanc);
        for (int sum = 0; sum <= 765; ++sum)
            s.setPixel(sum, 0, rgb(std::min(sum, 255), std::clamp(sum - 255, 0, 255),
                                   std::max(sum - 510, 0)));
        ViaGrayscale(s, level, 1);
        for (int sum = 0; sum <= 765; ++sum) {
            const bool black = 100 * ((sum + 1) / 3) <= 255 * (level + 50);
            ASSERT_EQ(s.point(sum, 0), black ? kNoir : kBlanc) << "level " << level << " sum " << sum;
        }
    }
}

TEST(Traitement, GreyIsThePlainRoundedAverage)
{
    // Pure red, green and blue: grey 85, black at level 0. (127,127,128) sums to
    // 382, grey 127 after rounding: black; (128,128,127) rounds to 128: white.
    Surface s = row({rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255), rgb(127, 127, 128),
                     rgb(128, 128, 127), rgb(255, 255, 0)});
    ViaGrayscale(s, 0, 1);
    EXPECT_EQ(pixels(s), (std::vector<Couleur>{kNoir, kNoir, kNoir, kNoir, kBlanc, kBlanc}));

    // At -50 only grey 0 is black: (1,0,0) has grey 0, (1,1,0) grey 1.
    Surface low = row({rgb(1, 0, 0), rgb(1, 1, 0), kNoir});
    ViaGrayscale(low, -50, 1);
    EXPECT_EQ(pixels(low), (std::vector<Couleur>{kNoir, kBlanc, kNoir}));
}

TEST(Traitement, InversionOnlyForTrue)
{
    const std::vector<Couleur> colours = {kNoir, kBlanc, grey(127), grey(128), 0x00FF00};
    for (int invert : {1, 0, 2, -2}) {
        Surface s = row(colours);
        ViaGrayscale(s, 0, invert);
        EXPECT_EQ(pixels(s), (std::vector<Couleur>{kNoir, kBlanc, kNoir, kBlanc, kNoir}))
            << "invert " << invert;
    }
    Surface s = row(colours);
    ViaGrayscale(s, 0, -1);
    EXPECT_EQ(pixels(s), (std::vector<Couleur>{kBlanc, kNoir, kBlanc, kNoir, kBlanc}));
}

TEST(Traitement, LevelFiftyAndTheWholeSurface)
{
    // Level 50: everything black, white included; inverted: everything white.
    Surface s(170, 110, kBlanc);
    s.setPixel(3, 4, 0x123456);
    ViaGrayscale(s, 50, 1);
    EXPECT_TRUE(sameImage(Surface(170, 110, kNoir).image(), s.image()));
    ViaGrayscale(s, 50, -1);
    EXPECT_TRUE(sameImage(Surface(170, 110, kBlanc).image(), s.image()));

    // A black-and-white picture is unchanged below 50, swapped with inversion;
    // the blank part outside a smaller output turns black when inverted.
    const QImage bw = imageFromAscii({"#..#", "....", "##.."});
    Surface picture;
    picture.setPicture(bw);
    for (int level = -50; level < 50; level += 7) {
        ViaGrayscale(picture, level, 1);
        ASSERT_TRUE(sameImage(bw, picture.image())) << "level " << level;
    }
    ViaGrayscale(picture, 0, -1);
    EXPECT_TRUE(sameImage(imageFromAscii({".##.", "####", "..##"}), picture.image()));
}

TEST(Traitement, SimpleMethodBlackensAllButExactWhiteInTheFixedArea)
{
    Surface s(200, 120, kBlanc);
    s.setPixel(0, 0, 0xFEFEFE);
    s.setPixel(159, 99, 0xFFFFFE);
    s.setPixel(20, 30, rgb(200, 10, 10));
    s.setPixel(160, 50, 0x808080); // outside the 160 x 100 area: left alone
    s.setPixel(50, 100, 0x808080);
    NoirEtBlanc(s);
    Surface expected(200, 120, kBlanc);
    expected.setPixel(0, 0, kNoir);
    expected.setPixel(159, 99, kNoir);
    expected.setPixel(20, 30, kNoir);
    expected.setPixel(160, 50, 0x808080);
    expected.setPixel(50, 100, 0x808080);
    EXPECT_TRUE(sameImage(expected.image(), s.image()));

    // A smaller surface is clipped, not overrun.
    Surface small = row({0xFEFEFE, kBlanc, 0x010101});
    NoirEtBlanc(small);
    EXPECT_EQ(pixels(small), (std::vector<Couleur>{kNoir, kBlanc, kNoir}));
}

TEST(Traitement, BothMethodsRefreshAndRunTheHook)
{
    int hooks = 0, refreshes = 0;
    setAfterConversion([&] { ++hooks; });
    Surface s(4, 4, kBlanc);
    s.setRefreshHandler([&] { ++refreshes; });
    ViaGrayscale(s, 0, 1);
    EXPECT_EQ(hooks, 1);
    NoirEtBlanc(s);
    EXPECT_EQ(hooks, 2);
    EXPECT_EQ(refreshes, 2);
    setAfterConversion(nullptr);
    NoirEtBlanc(s);
    EXPECT_EQ(hooks, 2);
}
