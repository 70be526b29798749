#include "conversionfixture.h"

#include "support/imagediff.h"

#include "convert/traitement.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImageWriter>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

struct FitCase
{
    QSize source;
    QSize output;
    QRect fitted; // (x0, y0, largeur, hauteur)
};

} // namespace

// Proportions kept: the fitted side is truncated, the offset rounds halves to even,
// and only the fitted rectangle of the work picture is covered.
TEST_F(ConversionTest, FitKeepingProportions)
{
    const FitCase cases[] = {
        {{320, 100}, {160, 100}, {0, 25, 160, 50}},  // wider: fitted to the width
        {{100, 300}, {160, 100}, {64, 0, 33, 100}},  // 33.3 truncated; 63.5 rounds to 64
        {{320, 200}, {160, 100}, {0, 0, 160, 100}},  // same ratio
        {{320, 175}, {160, 100}, {0, 6, 160, 87}},   // 87.5 -> 87; 6.5 -> 6
        {{320, 171}, {160, 100}, {0, 8, 160, 85}},   // 85.5 -> 85; 7.5 -> 8
        {{64, 64}, {96, 40}, {28, 0, 40, 40}},       // a smaller output area
        {{2000, 1}, {160, 100}, {0, 50, 160, 1}},    // a thin source keeps one row
    };
    for (const FitCase &c : cases) {
        SCOPED_TRACE(QStringLiteral("%1x%2").arg(c.source.width()).arg(c.source.height()).toStdString());
        state.importerImage(solid(c.source.width(), c.source.height(), kBlack));
        state.check2 = true;
        state.text7 = c.output.width();
        state.text8 = c.output.height();
        state.ajusteImage();
        EXPECT_EQ(QRect(state.x0, state.y0, state.largeur, state.hauteur), c.fitted);
        EXPECT_TRUE(sameImage(whiteWithBlack(160, 100, c.fitted), state.picture2.image()));
    }
}

// With the same ratio the fit stretches the source frame, not the preview.
TEST_F(ConversionTest, ProportionalFitReadsTheSourceFrame)
{
    state.importerImage(solid(320, 200, kBlack));
    state.picture3.image().fill(kWhite);
    state.check2 = true;
    state.ajusteImage();
    EXPECT_TRUE(sameImage(solid(160, 100, kBlack), state.picture2.image()));
    state.check2 = false;
    state.ajusteImage();
    EXPECT_TRUE(sameImage(solid(160, 100, kWhite), state.picture2.image()));
}

// Without proportions the preview is copied pixel for pixel at 160 x 100, or
// shrunk into the top-left corner of a blank work picture.
TEST_F(ConversionTest, FitFromThePreview)
{
    QImage pattern = solid(160, 100, kWhite);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 160; ++x)
            if ((x * 7 + y * 3) % 5 == 0)
                pattern.setPixel(x, y, qRgb(x, y, 200));
    state.importerImage(pattern);
    state.ajusteImage();
    EXPECT_TRUE(sameImage(pattern, state.picture2.image()));
    EXPECT_EQ(QRect(state.x0, state.y0, state.largeur, state.hauteur), QRect(0, 0, 160, 100));

    state.importerImage(solid(640, 480, kBlack));
    state.text7 = 80;
    state.text8 = 50;
    state.ajusteImage();
    EXPECT_TRUE(sameImage(whiteWithBlack(160, 100, QRect(0, 0, 80, 50)), state.picture2.image()));
    EXPECT_EQ(state.largeur, 80);
    EXPECT_EQ(state.hauteur, 50);
}

// In the "et" reduction, shrinking a 640 x 480 picture into the preview ANDs four
// columns and about five rows into each pixel, so a single dark pixel survives.
TEST_F(ConversionTest, OpeningAPictureAndsItsPixelsIntoThePreviewInEtMode)
{
    state.reduction = Reduction::Et;
    QImage photo = solid(640, 480, kWhite);
    photo.setPixel(5, 7, kBlack);                    // -> preview (1, 1)
    photo.setPixel(400, 0, qRgb(255, 0, 255));       // with the next one -> (100, 0)
    photo.setPixel(403, 4, qRgb(255, 255, 0));
    photo.setPixel(639, 479, qRgb(10, 20, 30));      // -> (159, 99)
    ASSERT_TRUE(photo.save(path(QStringLiteral("photo.bmp"))));
    state.ouvrirFichier(path(QStringLiteral("photo.bmp")));
    ASSERT_TRUE(dialogs.messages.empty());

    QImage expected = solid(160, 100, kWhite);
    expected.setPixel(1, 1, kBlack);
    expected.setPixel(100, 0, qRgb(255, 0, 0));
    expected.setPixel(159, 99, qRgb(10, 20, 30));
    EXPECT_TRUE(sameImage(expected, state.picture3.image()));
    EXPECT_EQ(state.picture1.size(), QSize(640, 480));
}

// A photograph: light and shade under a fine colour texture, mean grey near one
// half. By the mean it converts about as a plain box-filter downscale does; the
// AND of its many colours makes it much darker.
TEST_F(ConversionTest, PhotographKeepsItsTonesByTheMean)
{
    QImage photo(640, 480, QImage::Format_RGB32);
    QRandomGenerator rng(11);
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x) {
            const int base = 128 + int(80 * std::sin(x / 41.0) * std::cos(y / 29.0));
            const auto texture = [&] { return std::clamp(base + rng.bounded(-80, 80), 0, 255); };
            photo.setPixel(x, y, qRgb(texture(), texture(), texture()));
        }
    // Qt's smooth shrink averages the area each pixel covers.
    Surface box;
    box.setPicture(photo.scaled(160, 100, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    traitement::ViaGrayscale(box, 0, 1);
    const auto blackShare = [](const Surface &s) {
        return double(std::count(reinterpret_cast<const QRgb *>(s.image().constBits()),
                                 reinterpret_cast<const QRgb *>(s.image().constBits()) + 160 * 100,
                                 kBlack)) / (160 * 100);
    };
    const double reference = blackShare(box);
    ASSERT_GT(reference, 0.3);
    ASSERT_LT(reference, 0.7);

    state.importerImage(photo);
    state.convertir();
    EXPECT_NEAR(blackShare(state.picture2), reference, 0.05);
    state.changerReduction(Reduction::Et);
    EXPECT_GT(blackShare(state.picture2), reference + 0.3);
}

// Enlarging a 32 x 32 icon repeats each of its columns 5 times across and each row
// three or four times down.
TEST_F(ConversionTest, OpeningAnIconRepeatsItsPixels)
{
    QImage icon = solid(32, 32, kWhite);
    for (int x = 0; x < 32; x += 2)
        icon.setPixel(x, 0, kBlack);
    ASSERT_TRUE(QImageWriter(path(QStringLiteral("icone.ico")), "ico").write(icon));
    state.ouvrirFichier(path(QStringLiteral("icone.ico")));
    ASSERT_TRUE(dialogs.messages.empty());

    QImage expected = solid(160, 100, kWhite);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 160; ++x)
            if ((x / 5) % 2 == 0)
                expected.setPixel(x, y, kBlack);
    EXPECT_TRUE(sameImage(expected, state.picture3.image()));
}

// The clipboard's picture becomes the source; an empty clipboard is said and
// changes nothing; a null picture (start-up) gives a blank source.
TEST_F(ConversionTest, ClipboardImport)
{
    QGuiApplication::clipboard()->setImage(solid(50, 40, kBlack));
    state.importerPressePapier();
    QGuiApplication::clipboard()->clear();
    state.importerPressePapier();
    ASSERT_EQ(messageTexts(), QStringList{QStringLiteral("Le presse-papier ne contient aucune image.")});
    EXPECT_TRUE(sameImage(solid(50, 40, kBlack), state.picture1.image()));
    EXPECT_TRUE(sameImage(solid(160, 100, kBlack), state.picture3.image()));
    const QImage before = state.picture2.image().copy();
    state.importerImage(QImage());
    EXPECT_EQ(state.picture1.size(), QSize(50, 40));
    EXPECT_TRUE(sameImage(solid(50, 40, kWhite), state.picture1.image()));
    EXPECT_TRUE(sameImage(solid(160, 100, kWhite), state.picture3.image()));
    EXPECT_TRUE(sameImage(before, state.picture2.image())); // untouched

    // A phone photo of 30 megapixels is taken too.
    state.importerImage(solid(6000, 5000, kBlack));
    EXPECT_EQ(state.picture1.size(), QSize(6000, 5000));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}
