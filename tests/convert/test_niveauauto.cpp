#include "conversionfixture.h"

#include "convert/niveauauto.h"
#include "convert/traitement.h"
#include "support/imagediff.h"

using namespace traitement;

namespace {

// Left part one grey, right part another.
QImage twoTones(int width, int height, int split, int dark, int light)
{
    QImage image = solid(width, height, qRgb(light, light, light));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < split; ++x)
            image.setPixel(x, y, qRgb(dark, dark, dark));
    return image;
}

Histogramme counts(std::initializer_list<std::pair<int, qint64>> bins)
{
    Histogramme h{};
    for (const auto &[grey, count] : bins)
        h[grey] = count;
    return h;
}

} // namespace

TEST(NiveauAuto, HistogramOfThePlainGrey)
{
    QImage image(4, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(127, 127, 128)); // sum 382: (382 + 1) div 3 = 127
    image.setPixel(1, 0, qRgb(128, 128, 127)); // 383 -> 128
    image.setPixel(2, 0, qRgb(255, 0, 0));     // 85
    image.setPixel(3, 0, qRgb(255, 0, 0));
    const Histogramme h = histogrammeGris(image);
    EXPECT_EQ(h[127], 1);
    EXPECT_EQ(h[128], 1);
    EXPECT_EQ(h[85], 2);
    // Other formats are read as their colours.
    EXPECT_EQ(histogrammeGris(image.convertToFormat(QImage::Format_RGB888))[85], 2);
}

TEST(NiveauAuto, OtsuThresholdWorkedOut)
{
    // Greys 0, 100, 255, 255. Dark class {0}: n0 n1 (m0 - m1)^2 = 1 * 3 * (610 / 3)^2
    // = 124033; dark class {0, 100}: 2 * 2 * (50 - 255)^2 = 168100, the best, and the
    // same for every k from 100 to 254: the middle is 177. Level 20 cuts at 178,
    // level 19 at 175: 20 is nearer.
    const auto seuil = seuilOtsu(counts({{0, 1}, {100, 1}, {255, 2}}));
    ASSERT_TRUE(seuil);
    EXPECT_DOUBLE_EQ(*seuil, 177.0);
    EXPECT_EQ(niveauPourSeuil(*seuil), 20);

    // Two tones: any k between them separates them; the middle of the run is taken.
    EXPECT_EQ(seuilOtsu(counts({{0, 10}, {255, 30}})), 127.0);
    EXPECT_EQ(seuilOtsu(counts({{60, 5}, {200, 5}})), 129.5);
    // Only the empty greys extend a run: the best classes are {10, 11} and {240, 241},
    // for k from 11 to 239 (k = 10 or 240 leave one grey alone on its side).
    EXPECT_EQ(seuilOtsu(counts({{10, 100}, {11, 100}, {240, 100}, {241, 100}})), 125.0);

    // Nothing to separate.
    EXPECT_FALSE(seuilOtsu(counts({})));
    EXPECT_FALSE(seuilOtsu(counts({{77, 1000}})));
    EXPECT_FALSE(seuilOtsu(counts({{255, 1}})));
}

TEST(NiveauAuto, LevelWhoseThresholdIsNearest)
{
    // Inclusive thresholds 255 * (level + 50) div 100: -50 -> 0, -1 -> 124, 0 -> 127,
    // 1 -> 130, 50 -> 255.
    EXPECT_EQ(niveauPourSeuil(0), -50);
    EXPECT_EQ(niveauPourSeuil(-20), -50);
    EXPECT_EQ(niveauPourSeuil(127), 0);
    EXPECT_EQ(niveauPourSeuil(129.5), 1);
    EXPECT_EQ(niveauPourSeuil(255), 50);
    EXPECT_EQ(niveauPourSeuil(400), 50);
    // 54.5 lies 1.5 from both 53 (level -29) and 56 (level -28): the lower level.
    EXPECT_EQ(niveauPourSeuil(54.5), -29);
}

TEST(NiveauAuto, TwoTonePictureIsSeparatedExactly)
{
    // Greys 90 and 150: level 0 (threshold 127) already separates them, and so does
    // the automatic level, whichever side has more pixels.
    for (const int split : {10, 80, 150}) {
        const QImage image = twoTones(160, 100, split, 90, 150);
        const auto level = niveauAutomatique(image);
        ASSERT_TRUE(level);
        // The middle of 90..149 is 119.5: level -3 cuts at 119, -2 at 122.
        EXPECT_EQ(*level, -3) << split;
        Surface s(160, 100, kBlanc);
        s.setPicture(image);
        ViaGrayscale(s, *level, 1);
        EXPECT_TRUE(sameImage(whiteWithBlack(160, 100, QRect(0, 0, split, 100)), s.image()));
    }
    EXPECT_FALSE(niveauAutomatique(solid(20, 20, qRgb(30, 60, 90))));
    EXPECT_FALSE(niveauAutomatique(QImage()));
}

TEST_F(ConversionTest, AutomaticLevelLooksAtWhatTheFitUses)
{
    // Source 320 x 200: dark 40 on the left quarter, light 230 elsewhere.
    state.importerImage(twoTones(320, 200, 80, 40, 230));
    // The preview, squeezed from it, is what the fit stretches without
    // "Conserver les proportions": make it differ.
    state.picture3.image() = twoTones(160, 100, 80, 100, 180);
    state.slider1 = 33;

    // Middle of 100..179: 139.5; level 5 cuts at 140.
    EXPECT_EQ(state.niveauAutomatique(), 5);
    // With the proportions kept the fit stretches the source frame: middle of
    // 40..229 is 134.5; level 3 cuts at 135.
    state.check2 = true;
    EXPECT_EQ(state.niveauAutomatique(), 3);
    // It only gives the level: the slider and the pictures are the window's business.
    EXPECT_EQ(state.slider1, 33);

    // A picture of one grey has nothing to separate: the level stays.
    state.importerImage(solid(50, 50, qRgb(128, 128, 128)));
    EXPECT_EQ(state.niveauAutomatique(), 33);
    state.check2 = false;
    EXPECT_EQ(state.niveauAutomatique(), 33);
}
