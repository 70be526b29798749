#include "conversionfixture.h"

#include "convert/tramage.h"
#include "support/imagediff.h"

using traitement::Tramage;

namespace {

// A horizontal grey ramp.
QImage rampImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int g = 255 * x / (width - 1);
            image.setPixel(x, y, qRgb(g, g, g));
        }
    return image;
}

} // namespace

// "Convertir" with "Tramage": the grey-level method dithers the fitted picture,
// the rest of the work picture follows the plain rule; the simple method ignores it.
TEST_F(ConversionTest, ConvertWithDithering)
{
    state.importerImage(rampImage(320, 100));
    state.check2 = true; // fitted to 160 x 50 from (0, 25)
    state.check3 = true;
    state.slider1 = 12;
    for (const Tramage method : {Tramage::FloydSteinberg, Tramage::Atkinson, Tramage::Bayer}) {
        SCOPED_TRACE(traitement::nomTramage(method).toStdString());
        state.tramage = method;
        state.convertir();
        EXPECT_EQ(state.conv, QStringLiteral("Via Grayscale 1"));
        EXPECT_EQ(QRect(state.x0, state.y0, state.largeur, state.hauteur), QRect(0, 25, 160, 50));
        const QImage converted = state.picture2.image();

        state.ajusteImage();
        Surface expected = state.picture2;
        traitement::Tramer(expected, QRect(0, 25, 160, 50), 12, -1, method);
        EXPECT_TRUE(sameImage(expected.image(), converted));
        // The blank rows, inverted: black.
        EXPECT_TRUE(sameImage(solid(160, 25, 0xFF000000), converted.copy(0, 0, 160, 25)));
        // Half-tones: neither half of the ramp is a single colour.
        EXPECT_NE(converted.copy(0, 25, 80, 50), solid(80, 50, 0xFF000000));
        EXPECT_NE(converted.copy(80, 25, 80, 50), solid(80, 50, 0xFFFFFFFF));
    }

    state.tramage = Tramage::Aucun;
    state.check2 = false;
    state.option1 = true;
    state.convertir();
    const QImage simple = state.picture2.image();
    state.tramage = Tramage::FloydSteinberg;
    state.convertir();
    EXPECT_EQ(state.conv, QStringLiteral("Noir et Blanc Simple"));
    EXPECT_TRUE(sameImage(simple, state.picture2.image()));
}
